# Helpers that keep adding a test program or a fuzz target to one line.

# zenta_add_gtest(NAME SOURCES... LIBS libs... DEFS defs...)
# Builds a GoogleTest program and registers each of its cases with CTest.
function(zenta_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEFS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} zenta_test_support GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ${ARG_DEFS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# zenta_add_fuzzer(NAME SOURCE LIBS libs... SEEDS dir)
# With ZENTA_FUZZ the target is a libFuzzer binary; otherwise it is built with a replay
# main that runs every file of the seed folder once, and that replay is a CTest test.
function(zenta_add_fuzzer name source)
  cmake_parse_arguments(ARG "" "SEEDS" "LIBS" ${ARGN})
  if(ZENTA_FUZZ)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${source} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    if(ZENTA_TESTS AND ARG_SEEDS)
      add_test(NAME ${name}_replay COMMAND ${name} ${ARG_SEEDS})
    endif()
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
