# The library window in process, its modal dialogs driven through the modal widget.
gb_add_test(NAME library_window_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FormLibraryTest.cpp ${CMAKE_SOURCE_DIR}/tests/shell/ModalDriver.cpp
  LIBS gblibrarywindow gblibrarywindowlink
  ENV GLIMMERBOX_AUDIO=fake)
add_dependencies(library_window_tests Dialog)

# The library window with a small library, for a look (see its first lines).
add_executable(library_window_shot EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/LibraryWindowShot.cpp)
set_target_properties(library_window_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(library_window_shot PRIVATE gblibrarywindow)
