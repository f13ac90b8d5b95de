# SPDX-FileCopyrightText: 2026 The Prismora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Small helpers shared by the folder builds.

set(PRISMORA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# The Qt headers nearly every source of a Qt library includes, parsed once per
# library: they take most of such a file's compile time.
set(PRISMORA_QT_PRECOMPILED <QImage> <QPainter> <QString> <QWidget>)

# prismora_add_library(NAME SOURCES files... [DEPS libs...] [DEFINITIONS defs...]
#                      [QT] [SANITIZED_TWIN [SANITIZED_DEPS libs...]])
# Every library of the project is declared here: a static library whose headers
# are included as "folder/name.h" from the repository root. DEPS and DEFINITIONS
# are public. QT runs moc on the Qt classes and precompiles the common Qt
# headers (a header must still include what it uses: other targets include it
# without them). SANITIZED_TWIN also adds
# NAME_sanitized, built from the same sources with ASan and UBSan for the
# sanitized test programs, when those are built; it links SANITIZED_DEPS.
function(prismora_add_library name)
  cmake_parse_arguments(ARG "QT;SANITIZED_TWIN" "" "SOURCES;DEPS;DEFINITIONS;SANITIZED_DEPS"
                        ${ARGN})
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "prismora_add_library(${name}): no SOURCES")
  endif()
  set(variants ${name})
  if(ARG_SANITIZED_TWIN AND BUILD_TESTING AND PRISMORA_SANITIZED_TESTS)
    list(APPEND variants ${name}_sanitized)
  endif()
  foreach(variant ${variants})
    add_library(${variant} STATIC ${ARG_SOURCES})
    target_include_directories(${variant} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_DEFINITIONS)
      target_compile_definitions(${variant} PUBLIC ${ARG_DEFINITIONS})
    endif()
    if(ARG_QT)
      set_target_properties(${variant} PROPERTIES AUTOMOC ON)
      target_precompile_headers(${variant} PRIVATE ${PRISMORA_QT_PRECOMPILED})
    endif()
  endforeach()
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(TARGET ${name}_sanitized)
    target_compile_options(${name}_sanitized PUBLIC ${PRISMORA_SANITIZER_FLAGS})
    target_link_options(${name}_sanitized PUBLIC ${PRISMORA_SANITIZER_FLAGS})
    target_link_libraries(${name}_sanitized PUBLIC ${ARG_SANITIZED_DEPS})
  endif()
endfunction()

# prismora_add_test(NAME SOURCES... LIBS libs... [SANITIZED_LIBS libs...] [GUI])
# One GoogleTest program registered with CTest; GUI tests run on Qt's offscreen
# platform. With SANITIZED_LIBS a second program NAME_sanitized is built from
# the same test sources against the sanitized libraries.
function(prismora_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;SANITIZED_LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE PRISMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_GUI)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  if(PRISMORA_SANITIZED_TESTS AND ARG_SANITIZED_LIBS)
    add_executable(${name}_sanitized ${ARG_SOURCES})
    target_compile_options(${name}_sanitized PRIVATE ${PRISMORA_SANITIZER_FLAGS})
    target_link_options(${name}_sanitized PRIVATE ${PRISMORA_SANITIZER_FLAGS})
    target_link_libraries(${name}_sanitized PRIVATE ${ARG_SANITIZED_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name}_sanitized PRIVATE PRISMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name}_sanitized COMMAND ${name}_sanitized)
  endif()
endfunction()
