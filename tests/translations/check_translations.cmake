# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a catalogue lacks a text of the sources or keeps one they no longer have:
# lupdate is run on a copy, and every unfinished, vanished or obsolete entry is named.
# -DLUPDATE=<program> -DSOURCES_LIST=<file of source paths> -DTS_FILES=<a;b> -DWORK_DIR=<folder>
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures 0)
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK_DIR}/${name})
  file(COPY_FILE ${ts} ${copy})
  execute_process(COMMAND ${LUPDATE} @${SOURCES_LIST} -source-language sv -locations none -ts ${copy}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${output}${errors}")
  endif()
  if(errors MATCHES "[Ww]arning|[Ee]rror")
    message(SEND_ERROR "lupdate complains about the sources:\n${errors}")
    math(EXPR failures "${failures} + 1")
  endif()
  file(READ ${copy} catalogue)
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation type=\"(unfinished|vanished|obsolete)\""
         open_entries "${catalogue}")
  foreach(entry ${open_entries})
    string(REGEX REPLACE "<source>([^<]*)</source>.*type=\"([a-z]+)\"" "\\2: \\1" entry "${entry}")
    message(SEND_ERROR "${name}: ${entry}")
    math(EXPR failures "${failures} + 1")
  endforeach()
  # Plural entries and others the pattern above does not reach.
  string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" marks "${catalogue}")
  list(LENGTH marks open_marks)
  list(LENGTH open_entries named)
  if(NOT open_marks EQUAL named)
    message(SEND_ERROR "${name}: ${open_marks} open entries in all")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "translations are incomplete: run the target update_translations and translate")
endif()
message(STATUS "every text is translated")
