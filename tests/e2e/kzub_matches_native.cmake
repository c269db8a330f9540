# kzub.exe under Wine prints the very lines of the native kzub:
#   cmake -DNATIVE=kzub -DWINDOWS=kzub.exe -DWINE=wine -P kzub_matches_native.cmake
if(NOT EXISTS "${NATIVE}")
  message(FATAL_ERROR "no native kzub at ${NATIVE}")
endif()
set(cases
  "--seed 1 --count 50 --mark"
  "--style chatty --role buyer --spelling european --seed 1700000000 --count 200 --mark"
  "--style concise --role seller --knobs middle,bottom,top --seed 4294967290 --count 12"
  "--style emotive --knobs 60,82,101 --freeze middle --seed 12345 --count 30 --mark"
  "--style flat --role buyer --knobs 118,118,118 --seed 7 --count 3 --mark"
  "--style exhuberant --spelling european --knobs 47,47,47 --freeze beginning,end --seed 99 --count 40"
  "--max-length 80 --unique --freeze end --seed 1700000000 --count 100 --json"
  "--max-length 60 --knobs middle,middle,middle --seed 4294967200 --count 150 --mark"
  # gives up after 8 comments, with exit status 1
  "--style concise --freeze beginning,middle --unique --seed 5 --count 9 --json")
set(failed 0)
foreach(case ${cases})
  separate_arguments(args UNIX_COMMAND "${case}")
  execute_process(COMMAND "${NATIVE}" ${args} OUTPUT_VARIABLE native RESULT_VARIABLE native_rc)
  execute_process(COMMAND ${WINE} "${WINDOWS}" ${args} OUTPUT_VARIABLE windows RESULT_VARIABLE windows_rc
                  ERROR_QUIET)
  string(REPLACE ";" " " shown "${args}")
  if(NOT native_rc EQUAL windows_rc OR native_rc GREATER 1)
    message(SEND_ERROR "kzub ${shown}: exit codes native ${native_rc}, Windows ${windows_rc}")
    set(failed 1)
  elseif(NOT native STREQUAL windows)
    message(SEND_ERROR "kzub ${shown}: the outputs differ\n--- native\n${native}--- Windows\n${windows}")
    set(failed 1)
  elseif(native STREQUAL "")
    message(SEND_ERROR "kzub ${shown}: no output")
    set(failed 1)
  else()
    string(REGEX MATCHALL "\n" newlines "${native}")
    list(LENGTH newlines count)
    message(STATUS "ok   kzub ${shown}: ${count} identical lines")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "kzub.exe and the native kzub disagree")
endif()
