# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

add_executable(bench_generator ${CMAKE_CURRENT_LIST_DIR}/bench_generator.cpp)
target_link_libraries(bench_generator PRIVATE prismora_core benchmark::benchmark)
