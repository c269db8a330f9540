# Paints every state of picture_states.txt with the native raster painter:
#   cmake -DPANELSHOT=kz_panelshot -DSTATES=picture_states.txt -DOUT=dir -P paint_expected.cmake
# Each state becomes OUT/panel_<style>_<spelling>_<role>_<row0>_<row1>_<row2>.bmp.
if(NOT EXISTS "${PANELSHOT}")
  message(FATAL_ERROR "no native panel painter at ${PANELSHOT}")
endif()
file(MAKE_DIRECTORY "${OUT}")
file(STRINGS "${STATES}" lines REGEX "^[0-9]")
foreach(line ${lines})
  string(REGEX REPLACE " +" ";" fields "${line}")
  string(REPLACE ";" "_" name "${fields}")
  execute_process(COMMAND "${PANELSHOT}" "${OUT}/panel_${name}.bmp" ${fields}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "kz_panelshot failed for state ${line}")
  endif()
endforeach()
list(LENGTH lines count)
message(STATUS "painted ${count} panel states into ${OUT}")
