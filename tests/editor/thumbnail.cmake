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
