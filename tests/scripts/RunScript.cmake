# cmake -P RunScript.cmake with RUNNER, SCRIPT, EXPECTED, SEED, RESULT, FOLDER, STATUS, STDIN:
# runs one end-to-end script in a fresh FOLDER and fails unless standard output equals the
# EXPECTED file (with the folder's path written as @FOLDER@), the exit status is STATUS and every
# file in the RESULT folder (when there is one) lies in FOLDER with the same bytes.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
if(IS_DIRECTORY "${SEED}")
  file(COPY "${SEED}/" DESTINATION "${FOLDER}")
endif()

if(STDIN)
  execute_process(COMMAND "${RUNNER}" --folder "${FOLDER}"
                  INPUT_FILE "${SCRIPT}"
                  WORKING_DIRECTORY "${FOLDER}"
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
else()
  execute_process(COMMAND "${RUNNER}" --folder "${FOLDER}" "${SCRIPT}"
                  WORKING_DIRECTORY "${FOLDER}"
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
endif()

string(REPLACE "${FOLDER}" "@FOLDER@" output "${output}")
# Kept for comparing by hand, or for taking as the new expected output.
file(WRITE "${FOLDER}.actual" "${output}")
if(NOT EXISTS "${EXPECTED}")
  message(FATAL_ERROR "no ${EXPECTED}; the output is in ${FOLDER}.actual")
endif()
file(READ "${EXPECTED}" expected)

string(COMPARE EQUAL "${output}" "${expected}" same)
if(NOT same)
  message(FATAL_ERROR "output differs from ${EXPECTED}\n--- expected\n${expected}--- actual (${FOLDER}.actual)\n${output}--- stderr\n${errors}")
endif()
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n--- stderr\n${errors}")
endif()
if(IS_DIRECTORY "${RESULT}")
  file(GLOB_RECURSE wanted RELATIVE "${RESULT}" "${RESULT}/*")
  foreach(name IN LISTS wanted)
    if(NOT EXISTS "${FOLDER}/${name}")
      message(FATAL_ERROR "the run left no ${name} (expected as ${RESULT}/${name})")
    endif()
    file(READ "${RESULT}/${name}" want HEX)
    file(READ "${FOLDER}/${name}" got HEX)
    if(NOT want STREQUAL got)
      message(FATAL_ERROR "${FOLDER}/${name} differs from ${RESULT}/${name}")
    endif()
  endforeach()
endif()
