# SPDX-License-Identifier: GPL-3.0-or-later
# One place that builds and registers each test program.
include(GoogleTest)

# aerodex_add_gtest(NAME SOURCES... LIBS ...): a GoogleTest program registered with CTest.
function(aerodex_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} aerodex_sample GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE AERODEX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # Backups and recovery snapshots stay out of the user's own folders.
  set(home ${CMAKE_CURRENT_BINARY_DIR}/home/${name})
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT
      "AERODEX_SOURCE_DIR=${PROJECT_SOURCE_DIR};QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${home}/data;XDG_STATE_HOME=${home}/state")
endfunction()

# aerodex_core_library(NAME SOURCES... LIBS...): a framework-free static library.
function(aerodex_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()
