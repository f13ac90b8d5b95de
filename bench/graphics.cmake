add_executable(bench_graphics ${CMAKE_CURRENT_LIST_DIR}/bench_graphics.cpp)
target_link_libraries(bench_graphics PRIVATE prismora_graphics benchmark::benchmark)
