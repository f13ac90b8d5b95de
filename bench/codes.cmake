# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_codes ${CMAKE_CURRENT_LIST_DIR}/bench_codes.cpp)
target_link_libraries(bench_codes PRIVATE prismora_core benchmark::benchmark)
target_compile_definitions(bench_codes PRIVATE PRISMORA_LEVELS_DIR="${PROJECT_SOURCE_DIR}/levels")
