# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# --analyse against --solve --count on every level file in LEVELS: the same number of solutions
# (counted to 10) and the same exhaustiveness, and every field of the analysis present.
#   cmake -DPROGRAM=... -DLEVELS=... -P analyse_agrees.cmake
file(GLOB levels "${LEVELS}/*.prl")
if(NOT levels)
  message(FATAL_ERROR "no level files in ${LEVELS}")
endif()
set(failures 0)
foreach(level ${levels})
  execute_process(COMMAND "${PROGRAM}" --analyse "${level}" OUTPUT_VARIABLE analysis
                  RESULT_VARIABLE analysis_rc TIMEOUT 120)
  execute_process(COMMAND "${PROGRAM}" --solve "${level}" --count --limit 10
                  OUTPUT_VARIABLE count TIMEOUT 120)
  string(JSON solutions ERROR_VARIABLE error GET "${analysis}" solutions)
  string(JSON counted ERROR_VARIABLE error2 GET "${count}" solutions)
  string(JSON exhaustive ERROR_VARIABLE error3 GET "${analysis}" exhaustive)
  string(JSON whole ERROR_VARIABLE error4 GET "${count}" exhaustive)
  if(NOT analysis_rc EQUAL 0 OR error OR error2 OR NOT solutions EQUAL counted)
    message(SEND_ERROR "${level}: --analyse ${analysis} but --solve --count ${count}")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  # At the limit the count is exact as far as it goes; the analysis says "at least".
  if(counted LESS 10 AND NOT exhaustive STREQUAL whole)
    message(SEND_ERROR "${level}: exhaustive ${exhaustive} but the count says ${whole}")
    math(EXPR failures "${failures} + 1")
  endif()
  foreach(key fewest_pieces difficulty bomb_at_start)
    string(JSON value ERROR_VARIABLE missing GET "${analysis}" ${key})
    if(missing)
      message(SEND_ERROR "${level}: no ${key}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
  foreach(measure unique minimal purposeful_bombs dark_start safe_path restraint)
    foreach(field holds element text)
      string(JSON value ERROR_VARIABLE missing GET "${analysis}" measures ${measure} ${field})
      if(missing)
        message(SEND_ERROR "${level}: no measures.${measure}.${field}")
        math(EXPR failures "${failures} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} disagreements")
endif()
