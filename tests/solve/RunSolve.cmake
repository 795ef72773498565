# cmake -P RunSolve.cmake with SOLVE (the program), ARGS (its arguments, separated by '|'),
# optionally INPUT (standard input), THEN (arguments of a second run fed the first run's output),
# EXPECTED (a file standard output must equal, with every "micros" value written as 0), MATCH
# and ERROR_MATCH (patterns standard output and standard error must contain), STATUS, and
# FRESH (a file removed before the run).
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" args "${ARGS}")
if(FRESH)
  file(REMOVE "${FRESH}")
endif()
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE "${INPUT}")
endif()
if(DEFINED THEN)
  string(REPLACE "|" ";" then "${THEN}")
  execute_process(COMMAND "${SOLVE}" ${args} COMMAND "${SOLVE}" ${then} ${input_option}
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULTS_VARIABLE statuses)
  list(GET statuses -1 status)
else()
  execute_process(COMMAND "${SOLVE}" ${args} ${input_option}
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
endif()

string(REGEX REPLACE "\"micros\":[0-9]+" "\"micros\":0" output "${output}")
if(EXPECTED)
  file(READ "${EXPECTED}" expected)
  if(NOT output STREQUAL expected)
    message(FATAL_ERROR "output differs from ${EXPECTED}\n--- expected\n${expected}--- actual\n${output}--- stderr\n${errors}")
  endif()
endif()
if(MATCH AND NOT output MATCHES "${MATCH}")
  message(FATAL_ERROR "output does not contain '${MATCH}'\n--- actual\n${output}")
endif()
if(ERROR_MATCH AND NOT errors MATCHES "${ERROR_MATCH}")
  message(FATAL_ERROR "standard error does not contain '${ERROR_MATCH}'\n--- actual\n${errors}")
endif()
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n--- stderr\n${errors}")
endif()
