# kzub.exe under Wine prints the very lines and exit status of the native kzub:
#   cmake -DNATIVE=kzub -DWINDOWS=kzub.exe -DWINE=wine -P kzub_matches_native.cmake
set(cases
  "--seed 1 --count 50 --mark"
  "--style chatty --role buyer --spelling european --seed 1700000000 --count 200 --mark"
  "--style concise --knobs middle,bottom,top --seed 4294967290 --count 12"
  "--style emotive --knobs 60,82,101 --freeze middle --seed 12345 --count 30 --mark"
  "--style exhuberant --spelling european --knobs 47,47,118 --freeze beginning,end --seed 99 --count 40"
  "--max-length 80 --unique --freeze end --seed 1700000000 --count 100 --json"
  "--style concise --freeze beginning,middle --unique --seed 5 --count 9 --json")
foreach(case ${cases})
  separate_arguments(args UNIX_COMMAND "${case}")
  execute_process(COMMAND "${NATIVE}" ${args} OUTPUT_VARIABLE native RESULT_VARIABLE native_rc)
  execute_process(COMMAND ${WINE} "${WINDOWS}" ${args} OUTPUT_VARIABLE windows RESULT_VARIABLE windows_rc
                  ERROR_QUIET)
  if(NOT native_rc EQUAL windows_rc OR native_rc GREATER 1 OR native STREQUAL "" OR NOT native STREQUAL windows)
    message(FATAL_ERROR "kzub ${case}: exit codes ${native_rc} (native), ${windows_rc} (Windows)\n"
                        "--- native\n${native}--- Windows\n${windows}")
  endif()
endforeach()
