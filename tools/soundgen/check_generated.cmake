# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs soundgen twice into scratch folders and fails unless both runs and the
# committed resources/sounds/*.wav are byte for byte the same.
# cmake -DSOUNDGEN=... -DSOURCE_DIR=... -DSCRATCH=... -P check_generated.cmake
file(REMOVE_RECURSE ${SCRATCH})
foreach(run first second)
  execute_process(COMMAND ${SOUNDGEN} ${SCRATCH}/${run} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "soundgen failed: ${failed}")
  endif()
endforeach()
file(GLOB committed RELATIVE ${SOURCE_DIR}/resources/sounds ${SOURCE_DIR}/resources/sounds/*.wav)
file(GLOB generated RELATIVE ${SCRATCH}/first ${SCRATCH}/first/*.wav)
list(SORT committed)
list(SORT generated)
if(NOT committed STREQUAL generated)
  message(FATAL_ERROR "resources/sounds holds ${committed}\nsoundgen makes ${generated}")
endif()
foreach(name ${generated})
  foreach(other ${SCRATCH}/second/${name} ${SOURCE_DIR}/resources/sounds/${name})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/first/${name} ${other}
                    RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${other} differs from what soundgen makes: regenerate with "
                          "`soundgen resources/sounds` from the repository root")
    endif()
  endforeach()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
