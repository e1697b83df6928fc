# Runs a CTest tree of four tests in TEST_DIR, as `make test` does, and then SCRIPT, the summary
# of the failed ones: it must name the failing, the crashed and the timed-out test with the
# reason and their own lines (a sanitizer's report with its frames), and show nothing of the
# test that passes though it prints a failed check.
file(REMOVE_RECURSE ${TEST_DIR}/Testing)
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} -O Testing/Temporary/LastConsole.log WORKING_DIRECTORY ${TEST_DIR}
                RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
if(code EQUAL 0)
  message(FATAL_ERROR "the tree's run passed")
endif()
execute_process(COMMAND ${SCRIPT} WORKING_DIRECTORY ${TEST_DIR} OUTPUT_VARIABLE summary RESULT_VARIABLE code)
set(faults)
foreach(expected "=== fails \\(Failed\\)\nFAIL!  : T::b\\(\\) not the same\n   Loc: \\[t.cpp\\(7\\)\\]\n=== "
                 "=== stalls \\(Timeout\\)\n--- its last lines:\nQDEBUG : T::c\\(\\) waiting\n"
                 "=== crashes \\(Failed\\)\n==1==ERROR: ThreadSanitizer: SEGV\n    #0 0x1 in handler\n    #1 0x2 in copyTo\n--- its last lines:\n")
  if(NOT summary MATCHES "${expected}")
    list(APPEND faults "missing: ${expected}")
  endif()
endforeach()
foreach(unexpected "passes" "Inner::onPurpose" "T::a\\(\\)")
  if(summary MATCHES "${unexpected}")
    list(APPEND faults "shown: ${unexpected}")
  endif()
endforeach()
if(faults OR NOT code EQUAL 0)
  message(FATAL_ERROR "${faults} (exit code ${code})\n${summary}")
endif()
message(STATUS "summary as expected")
