# Tests of the common dialogs, driven offscreen through the modal widget.
gb_add_test(NAME shell_dialogs_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ClassDialogTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ClassPathDialogTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/ClassPrintDialogTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/DialogEchoTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/ModalDriver.cpp
  LIBS gbshelldialogs)
