# The index print on the PDF printer, read back with poppler's tools.
gb_add_test(NAME editor_print_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/IndexPrintTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/EditorTestSupport.cpp
          ${CMAKE_SOURCE_DIR}/tests/platform/print/PdfReader.cpp ${CMAKE_SOURCE_DIR}/tests/shell/ModalDriver.cpp
  LIBS gbindexprint)
