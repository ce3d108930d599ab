# Runs pellavan-mkdata on SOURCE and passes its message on; fails unless the tool refused the
# source and wrote no OUT.
file(REMOVE ${OUT})
execute_process(COMMAND ${TOOL} --record LoopRec --out ${OUT} ${SOURCE}
                RESULT_VARIABLE result ERROR_VARIABLE message)
message("${message}")
if(result EQUAL 0)
  message(FATAL_ERROR "the source was accepted")
endif()
if(EXISTS ${OUT})
  message(FATAL_ERROR "an output was written for a refused source")
endif()
