# Runs vorlan-cli once and checks its exit status, its output and its error text.
#   CLI      the program
#   WORK     working directory (where the test's shot files are)
#   ARGS     the arguments, separated by "|"
#   STATUS   the expected exit status
#   OUTPUT   a regular expression the whole standard output must match (optional)
#   ERROR    a regular expression the standard error must contain (optional)
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND "${CLI}" ${arguments} WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED OUTPUT AND NOT out MATCHES "${OUTPUT}")
  message(FATAL_ERROR "stdout does not match '${OUTPUT}':\n${out}")
endif()
if(DEFINED ERROR AND NOT err MATCHES "${ERROR}")
  message(FATAL_ERROR "stderr does not contain '${ERROR}':\n${err}")
endif()
if(NOT STATUS EQUAL 0 AND (err STREQUAL "" OR NOT out STREQUAL ""))
  message(FATAL_ERROR "a failure must print a message on stderr and nothing on stdout\nstdout:\n${out}\nstderr:\n${err}")
endif()
