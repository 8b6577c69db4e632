# The index print on the PDF printer, read back with poppler's tools; and the Internet
# page and the index print plugged into the album editor.
gb_add_test(NAME editor_print_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/IndexPrintTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/InternetAndPrintTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/EditorTestSupport.cpp
          ${CMAKE_SOURCE_DIR}/tests/platform/print/PdfReader.cpp ${CMAKE_SOURCE_DIR}/tests/shell/ModalDriver.cpp
  LIBS gbindexprint gbeditorextensions
  ENV GLIMMERBOX_AUDIO=fake)
add_dependencies(editor_print_tests Dialog)
