# Installs every project header that <kanvo.h> and the resource registrations include, keeping
# their paths under the header destination. The compiler lists them (-MM leaves out the system's).
set(roots graphics/kanvo.h graphics/files/resources.h)
execute_process(
  COMMAND "${KANVO_CXX_COMPILER}" -std=c++20 -I. -MM ${roots}
  WORKING_DIRECTORY "${KANVO_SOURCE_DIR}"
  OUTPUT_VARIABLE dependencies
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot list the headers of kanvo.h")
endif()
string(REGEX REPLACE "[^ \n\\\\]+\\.o:" "" dependencies "${dependencies}")
string(REGEX MATCHALL "[^ \n\\\\]+\\.h" headers "${dependencies}")
list(REMOVE_DUPLICATES headers)
# kanvo.h itself goes to the top of the header folder, where programs include it as <kanvo.h>.
list(REMOVE_ITEM headers graphics/kanvo.h)
set(destination "${CMAKE_INSTALL_PREFIX}/${KANVO_HEADER_DESTINATION}")
foreach(header IN LISTS headers)
  get_filename_component(folder "${header}" DIRECTORY)
  file(INSTALL "${KANVO_SOURCE_DIR}/${header}" DESTINATION "${destination}/${folder}")
endforeach()
file(INSTALL "${KANVO_SOURCE_DIR}/graphics/kanvo.h" DESTINATION "${destination}")
