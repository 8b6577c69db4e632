# Tests of the shell services (ClassShell, ClassHelp).
gb_add_test(NAME shell_services_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ClassShellTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ClassHelpTest.cpp
  LIBS gbshellservices)

# The help viewer once more on a real X server, where windows are mapped and raised.
find_program(GB_XVFB_RUN xvfb-run)
if(GB_XVFB_RUN)
  add_test(NAME shell_help_x11_tests
    COMMAND ${GB_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:shell_services_tests> --gtest_filter=ClassHelpTest.*)
  set_tests_properties(shell_help_x11_tests PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;GB_TEST_NAME=shell_help_x11_tests" TIMEOUT 120)
endif()
