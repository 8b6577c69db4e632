# Tests of the window and desktop services.
find_package(Qt6 REQUIRED COMPONENTS DBus)
gb_add_test(NAME shell_window_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/WindowServicesTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ThemeTest.cpp
  LIBS gbwindowservices Qt6::DBus)
