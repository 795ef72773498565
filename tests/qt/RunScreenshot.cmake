# Runs `mozeldouble --screenshot OUTPUT` on a virtual X server (the X11 platform, not
# offscreen) and checks that a PNG came out. Called with -DPROGRAM=... -DOUTPUT=...
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(REMOVE "${OUTPUT}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb
          xvfb-run -a -s "-screen 0 1280x1024x24" "${PROGRAM}" --screenshot "${OUTPUT}"
  RESULT_VARIABLE result
  TIMEOUT 120)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "mozeldouble --screenshot failed: ${result}")
endif()
if(NOT EXISTS "${OUTPUT}")
  message(FATAL_ERROR "no screenshot at ${OUTPUT}")
endif()
file(READ "${OUTPUT}" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "${OUTPUT} is not a PNG file")
endif()
