# Runs pagevet /d on the sample site, whose pages are made to have findings:
# status 1 (findings) is what the sample shows, so only status 2 (a fatal
# error, or no page found) fails the build.
#   cmake -DPAGEVET=path/to/pagevet -P run-examples.cmake   (in examples/site)
execute_process(COMMAND "${PAGEVET}" /d RESULT_VARIABLE statut)
if(NOT statut STREQUAL "0" AND NOT statut STREQUAL "1")
  message(FATAL_ERROR "pagevet ended with status ${statut}")
endif()
