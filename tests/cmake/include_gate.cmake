# Configures a scratch copy of the tree, then the same copy with an include that points up added
# to a header in a folder with sources and to one in a folder of headers only: the first must
# configure, each of the others must be refused by the include check.
set(copy ${WORK}/tree)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${copy})
foreach(part CMakeLists.txt cmake src tools data)
  file(COPY ${SOURCE}/${part} DESTINATION ${copy})
endforeach()

function(configure_copy out_result out_log)
  file(REMOVE_RECURSE ${WORK}/build)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${copy} -B ${WORK}/build -G Ninja
                          -DPELLAVAN_BUILD_TESTS=OFF -DPELLAVAN_BUILD_BENCH=OFF
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${out_result} ${result} PARENT_SCOPE)
  set(${out_log} "${out}${err}" PARENT_SCOPE)
endfunction()

configure_copy(result log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the unchanged copy does not configure:\n${log}")
endif()

foreach(header model/metric_flags.h model/records/tag_rec.h)
  file(READ ${copy}/src/${header} original)
  file(WRITE ${copy}/src/${header} "#include \"app/program.h\"\n${original}")
  configure_copy(result log)
  file(WRITE ${copy}/src/${header} "${original}")
  string(REGEX REPLACE "[ \n]+" " " log "${log}")  # CMake wraps its messages
  if(result EQUAL 0 OR NOT log MATCHES "src/${header} \\(pellavan_model, rank 0\\) includes app/program.h")
    message(FATAL_ERROR "an upward include in src/${header} was not refused:\n${log}")
  endif()
endforeach()
