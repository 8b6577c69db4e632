# Tests of the album editor: the list rules, the property pages and the window.
gb_add_test(NAME editor_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ThumbnailListTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/PropertyPageTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/FormThumbnailTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/options/ModalSteps.cpp
  LIBS gbeditor gbeditorlink
  ENV GLIMMERBOX_AUDIO=fake)
# The message boxes come from the companion library.
add_dependencies(editor_tests Dialog)

# The album editor on a copy of an album folder (a tool for looking at it; not a test).
add_executable(editor_demo EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/demo/EditorDemo.cpp)
set_target_properties(editor_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_compile_definitions(editor_demo PRIVATE GB_BIN_DIR="${GB_BIN_DIR}")
target_link_libraries(editor_demo PRIVATE gbeditor)
add_dependencies(editor_demo Dialog Plugin)
