# Tests of the shell services (ClassShell, ClassHelp).
gb_add_test(NAME shell_services_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ClassShellTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ClassHelpTest.cpp
  LIBS gbshellservices)
