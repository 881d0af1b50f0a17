# Runs PROGRAM with ARGS and checks that it fails as a usage error should.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "exit status ${status}, expected 2")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "unexpected output on stdout: ${out}")
endif()
string(FIND "${err}" "${REASON}" reason_at)
string(FIND "${err}" "Usage: ambrix-calc" usage_at)
if(reason_at LESS 0 OR usage_at LESS 0)
  message(FATAL_ERROR "stderr lacks the reason '${REASON}' or the usage:\n${err}")
endif()
