# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs spritegen into a scratch folder and fails unless every committed sprite,
# their turned pictures, the wallpaper and every icon come out byte for byte the same
# (an icon's picture up to one step of a channel: see spritegen --same-picture).
# cmake -DSPRITEGEN=... -DSOURCE_DIR=... -DSCRATCH=... -P check_generated.cmake
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${SPRITEGEN} ${SCRATCH} --icons ${SCRATCH}/icons
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "spritegen failed: ${failed}")
endif()
file(GLOB_RECURSE committed RELATIVE ${SOURCE_DIR}/data/icons ${SOURCE_DIR}/data/icons/*)
file(GLOB_RECURSE generated RELATIVE ${SCRATCH}/icons ${SCRATCH}/icons/*)
if(NOT committed STREQUAL generated)
  message(FATAL_ERROR "data/icons holds ${committed}\nspritegen draws ${generated}")
endif()
set(pairs "")
foreach(name ${committed})
  list(APPEND pairs "${SOURCE_DIR}/data/icons/${name}|${SCRATCH}/icons/${name}")
endforeach()
file(GLOB sprites RELATIVE ${SOURCE_DIR}/resources ${SOURCE_DIR}/resources/sprites/*.b32)
foreach(name ${sprites} sprites/turned.bin wallpaper.bmp)
  list(APPEND pairs "${SOURCE_DIR}/resources/${name}|${SCRATCH}/${name}")
endforeach()
foreach(pair ${pairs})
  string(REPLACE "|" ";" files ${pair})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${files} RESULT_VARIABLE differs)
  # Antialiased icons may differ by one step per channel from machine to machine.
  if(differs AND pair MATCHES "\\.png\\|")
    execute_process(COMMAND ${SPRITEGEN} --same-picture ${files} RESULT_VARIABLE differs)
  endif()
  if(differs)
    list(GET files 0 stale)
    message(FATAL_ERROR "${stale} differs from what spritegen draws: regenerate with "
                        "`spritegen resources --icons data/icons` from the repository root")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
