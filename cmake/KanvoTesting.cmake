# kanvo_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable; its cases run through CTest from the repository root, with SDL
# kept away from any real display or sound card.
function(kanvo_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    KANVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    KANVO_SHARED_DIR="${PROJECT_SOURCE_DIR}/../shared"
    KANVO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  kanvo_warnings(${name})
  # The environment comes through `env` as the cases' launcher: a list of variables given as a
  # test property would be cut at its first separator by the discovery script.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "env;SDL_AUDIODRIVER=dummy;KANVO_DISPLAY=headless;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan_suppressions.txt")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endfunction()
