# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_graphics ${CMAKE_CURRENT_LIST_DIR}/bench_graphics.cpp)
target_link_libraries(bench_graphics PRIVATE prismora_graphics benchmark::benchmark)
target_compile_definitions(bench_graphics PRIVATE PRISMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
