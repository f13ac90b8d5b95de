# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_level_file ${CMAKE_CURRENT_LIST_DIR}/bench_level_file.cpp)
target_link_libraries(bench_level_file PRIVATE prismora_core benchmark::benchmark)
