# The gallery dialog: the album's title and folder, and the titles and files of the
# selected galleries.
add_library(gbgallerydialog STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/ControlPage.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/DriveIcon.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FormDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GeneralNaming.cpp
)
target_include_directories(gbgallerydialog PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbgallerydialog PUBLIC gbapp gbalbum gbshellservices gbdesktop gbshell gbresources gbplatform
  Qt6::Widgets)
# The title icon (resources/editor, drawn by resources/editor/DrawEditorPictures.cpp).
qt_add_resources(gbgallerydialog gallery_dialog_pictures PREFIX "/editor" BASE ${CMAKE_SOURCE_DIR}/resources/editor
  FILES ${CMAKE_SOURCE_DIR}/resources/editor/icon2.png)
