# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_solver ${CMAKE_CURRENT_LIST_DIR}/bench_solver.cpp)
target_link_libraries(bench_solver PRIVATE prismora_core prismora_hard_levels benchmark::benchmark)
target_compile_definitions(bench_solver PRIVATE PRISMORA_LEVELS_DIR="${PROJECT_SOURCE_DIR}/levels"
  PRISMORA_HARD_LEVELS_DIR="${PROJECT_SOURCE_DIR}/tests/data/hard_levels")
