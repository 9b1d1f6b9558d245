# kanvo_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [ON_X_SERVER])
# One GoogleTest executable; its cases run through CTest from the repository root, with SDL
# kept away from any real display or sound card. ON_X_SERVER: the cases open SDL on an X server
# themselves. SDL loads the X libraries and unloads them again, and what they keep can no longer
# be traced to them, so those programs run without the leak check; the headless tests check the
# same code for leaks.
function(kanvo_add_test name)
  cmake_parse_arguments(ARG "ON_X_SERVER" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    KANVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    KANVO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  kanvo_warnings(${name})
  # The environment comes through `env` as the cases' launcher: a list of variables given as a
  # test property would be cut at its first separator by the discovery script.
  set(environment SDL_AUDIODRIVER=dummy KANVO_DISPLAY=headless
      LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan_suppressions.txt:print_suppressions=0
      TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/tsan_suppressions.txt:print_suppressions=0)
  if(ARG_ON_X_SERVER)
    list(APPEND environment ASAN_OPTIONS=detect_leaks=0)
  endif()
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "env;${environment}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endfunction()
