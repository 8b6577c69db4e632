# The album editor: the thumbnail window, its list rules, status and commands, and the
# album and slideshow property pages.
add_library(gbeditor STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/AlbumPropertyPage.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FormThumbnail.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FormThumbnailCommands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GeneralEditor.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GeneralProperty.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/LockableComboBox.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MailDocuments.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/SlideshowPropertyPage.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThumbnailList.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThumbnailMenus.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThumbnailStatus.cpp
)
target_include_directories(gbeditor PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbeditor PUBLIC gbgallerydialog gbapp gbalbum gbsettings gbshelldialogs gbshellservices
  gbwindowservices gbtoolkit gbdesktop gbshell gbresources gbplatform Qt6::Widgets)
# The command images, watermark, status icons and drag cursors (resources/editor, drawn
# by resources/editor/DrawEditorPictures.cpp).
set(GB_EDITOR_PICTURES watermark2001.png icon11.png icon12.png cursor11.png cursor12.png)
foreach(id 201 202 203 204 205 206 207 208 211 212 213 214 215)
  list(APPEND GB_EDITOR_PICTURES command${id}.png)
endforeach()
list(TRANSFORM GB_EDITOR_PICTURES PREPEND ${CMAKE_SOURCE_DIR}/resources/editor/)
qt_add_resources(gbeditor editor_pictures PREFIX "/editor" BASE ${CMAKE_SOURCE_DIR}/resources/editor
  FILES ${GB_EDITOR_PICTURES})

# The editor as the main window shows and unloads it (InstallAlbumEditor).
add_library(gbeditorlink STATIC ${CMAKE_CURRENT_SOURCE_DIR}/AlbumEditor.cpp)
target_link_libraries(gbeditorlink PUBLIC gbeditor gbapp)

# The drawing tool for resources/editor (run by hand; see its first lines).
add_executable(draweditorpictures EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/resources/editor/DrawEditorPictures.cpp)
set_target_properties(draweditorpictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(draweditorpictures PRIVATE Qt6::Gui)
