# Runs vorlan-cli (or a shell script around it) once and checks its exit status and output.
#   cmake -DSTATUS=n [-DOUTPUT=regex] [-DERROR=regex] [-DGOLDEN=file] -P RunCli.cmake -- COMMAND...
#   STATUS   the expected exit status
#   OUTPUT   a regular expression the standard output must contain (anchor it to match all)
#   ERROR    a regular expression the standard error must contain
#   GOLDEN   a file the standard output must equal byte for byte
# A failure must print a message on stderr and nothing on stdout, unless OUTPUT says what it
# prints before it fails (a listing that goes on past a file it cannot read).
set(command)
set(after_dashes FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(after_dashes)
    string(REPLACE ";" "\\;" argument "${CMAKE_ARGV${i}}")  # a semicolon stays in its argument
    list(APPEND command "${argument}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(after_dashes TRUE)
  endif()
endforeach()
execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED OUTPUT AND NOT out MATCHES "${OUTPUT}")
  message(FATAL_ERROR "stdout does not match '${OUTPUT}':\n${out}")
endif()
if(DEFINED ERROR AND NOT err MATCHES "${ERROR}")
  message(FATAL_ERROR "stderr does not contain '${ERROR}':\n${err}")
endif()
if(DEFINED GOLDEN)
  file(READ "${GOLDEN}" expected)
  if(NOT out STREQUAL expected)
    string(LENGTH "${out}" got)
    string(LENGTH "${expected}" want)
    message(FATAL_ERROR "stdout (${got} bytes) differs from ${GOLDEN} (${want} bytes):\n${out}")
  endif()
endif()
if(NOT STATUS EQUAL 0 AND (err STREQUAL "" OR (NOT out STREQUAL "" AND NOT DEFINED OUTPUT)))
  message(FATAL_ERROR "a failure must print a message on stderr and nothing on stdout\nstdout:\n${out}\nstderr:\n${err}")
endif()
