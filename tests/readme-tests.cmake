# Every test the README's fault table cites exists: each `name` is a CTest
# test, and each (case) a test function of the program that test runs.
# Usage: cmake -DREADME=README.md -DBUILD_DIR=<build dir> -P readme-tests.cmake, with
# QT_QPA_PLATFORM=offscreen for the test programs.
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --show-only=json-v1
  WORKING_DIRECTORY ${BUILD_DIR} OUTPUT_VARIABLE json COMMAND_ERROR_IS_FATAL ANY)
string(JSON count LENGTH "${json}" tests)
foreach(i RANGE 1 ${count})
  math(EXPR i "${i} - 1")
  string(JSON name GET "${json}" tests ${i} name)
  string(JSON command GET "${json}" tests ${i} command)
  # The program comes last, after any wrapper that starts it.
  string(REGEX REPLACE ".*\"([^\"]+)\"[ \n]*]$" "\\1" program_${name} "${command}")
endforeach()

file(READ ${README} text)
string(REGEX MATCH "\n## Behaviour under faults\n[^#]*" table "${text}")
string(REGEX MATCHALL "[^|\n]*\\|\n" cells "${table}") # the last cell of each row
list(REMOVE_AT cells 0 1) # the head and its rule
foreach(cell IN LISTS cells)
  string(REGEX MATCHALL "`[^`]+`( \\([^)]+\\))?" cited "${cell}")
  if(NOT cited)
    message(SEND_ERROR "A row of the fault table cites no test:${cell}")
  endif()
  foreach(test IN LISTS cited)
    string(REGEX MATCH "`([^`]+)`( \\(([^)]+)\\))?" _ "${test}")
    set(program "${program_${CMAKE_MATCH_1}}")
    set(case "${CMAKE_MATCH_3}")
    if(program AND case) # a program that is no Qt test might not end on -functions
      execute_process(COMMAND ${program} -functions OUTPUT_VARIABLE functions ERROR_QUIET TIMEOUT 30)
    endif()
    if(NOT program OR case AND NOT functions MATCHES "(^|\n)${case}\\(")
      message(SEND_ERROR "The fault table cites ${test}, which is no test")
    endif()
  endforeach()
endforeach()
