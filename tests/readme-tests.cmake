# Every test the README's fault table cites exists: each `name` a CTest test
# of this build, each (case) a test function in tests/.
# Usage: cmake -DREADME=README.md -DBUILD_DIR=<build dir> -P readme-tests.cmake
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} -N WORKING_DIRECTORY ${BUILD_DIR} OUTPUT_VARIABLE listed)
file(GLOB sources ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
execute_process(COMMAND cat ${sources} OUTPUT_VARIABLE functions)
file(READ ${README} text)
string(REGEX MATCH "\n## Behaviour under faults\n[^#]*" table "${text}")
string(REPLACE ";" "," table "${table}") # rows are list items
string(REGEX MATCHALL "\n\\|[^\n]*" rows "${table}")
list(REMOVE_AT rows 0 1) # the head and its rule
foreach(row IN LISTS rows)
  string(REGEX MATCHALL "`tst_[a-z_]+`( \\([^)]+\\))?" cited "${row}")
  if(NOT cited)
    message(SEND_ERROR "A row of the fault table cites no test:${row}")
  endif()
  foreach(test IN LISTS cited)
    string(REGEX MATCH "`([^`]+)`( \\(([^)]+)\\))?" _ "${test}")
    set(name ${CMAKE_MATCH_1})
    set(case ${CMAKE_MATCH_3})
    if(NOT listed MATCHES "Test +#[0-9]+: ${name}\n" OR case AND NOT functions MATCHES "void ${case}\\(")
      message(SEND_ERROR "The fault table cites ${test}, which is no test")
    endif()
  endforeach()
endforeach()
