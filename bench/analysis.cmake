# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_analysis ${CMAKE_CURRENT_LIST_DIR}/bench_analysis.cpp)
target_link_libraries(bench_analysis PRIVATE prismora_core benchmark::benchmark)
target_compile_definitions(bench_analysis PRIVATE PRISMORA_LEVELS_DIR="${PROJECT_SOURCE_DIR}/levels")
