# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_hint ${CMAKE_CURRENT_LIST_DIR}/bench_hint.cpp)
target_link_libraries(bench_hint PRIVATE prismora_core benchmark::benchmark)
target_compile_definitions(bench_hint PRIVATE PRISMORA_LEVELS_DIR="${PROJECT_SOURCE_DIR}/levels")
