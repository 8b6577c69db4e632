# Tests of the gallery dialog.
gb_add_test(NAME gallery_dialog_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/GalleryDialogTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ModalSteps.cpp
  LIBS gbgallerydialog)
# The message and input boxes come from the companion library.
add_dependencies(gallery_dialog_tests Dialog)
