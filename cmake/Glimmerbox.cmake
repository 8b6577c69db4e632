# gb_add_test(NAME name SOURCES ... LIBS ... [ENV ...])
# One GoogleTest executable per source folder, run by CTest under Qt's offscreen
# platform with its own settings and runtime folders.
function(gb_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    AUTOMOC ON)
  target_link_libraries(${T_NAME} PRIVATE gbtestmain ${T_LIBS} Qt6::Test GTest::gtest GTest::gmock)
  target_compile_definitions(${T_NAME} PRIVATE
    GB_BIN_DIR="${GB_BIN_DIR}"
    GB_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;GB_TEST_NAME=${T_NAME};${T_ENV}"
    TIMEOUT 600)
endfunction()
