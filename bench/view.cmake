if(TARGET prismora_view)
  add_executable(bench_view ${CMAKE_CURRENT_LIST_DIR}/bench_view.cpp)
  target_link_libraries(bench_view PRIVATE prismora_view benchmark::benchmark)
endif()
