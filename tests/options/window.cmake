# The options window in process, with the fixture plug-ins of the plug-in tests.
gb_add_test(NAME options_window_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FormPropertyTest.cpp ${CMAKE_SOURCE_DIR}/tests/shell/ModalDriver.cpp
  LIBS gboptionswindow gboptionswindowlink
  ENV "GB_FIXTURE_PLUGINS=${CMAKE_BINARY_DIR}/tests/fixture-plugins" GLIMMERBOX_AUDIO=fake)
add_dependencies(options_window_tests Dialog Plugin fxA fxB fxMulti)

# The options window, for a look (see its first lines).
add_executable(options_window_shot EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/OptionsWindowShot.cpp)
set_target_properties(options_window_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(options_window_shot PRIVATE gboptionswindow)
