# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

if(TARGET prismora_view)
  add_executable(bench_view ${CMAKE_CURRENT_LIST_DIR}/bench_view.cpp)
  target_link_libraries(bench_view PRIVATE prismora_view benchmark::benchmark)
  target_compile_definitions(bench_view PRIVATE PRISMORA_LEVELS_DIR="${PROJECT_SOURCE_DIR}/levels")
endif()
