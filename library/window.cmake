# The library window: the tree of libraries and album shortcuts, its commands, drag
# and drop, and the library dragged out as a file. Its pictures are drawn by
# resources/library/DrawLibraryPictures.cpp.
add_library(gblibrarywindow STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/FormLibrary.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/LibraryDragData.cpp
)
target_include_directories(gblibrarywindow PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gblibrarywindow PUBLIC gblibrary gbapp gbalbum gbshelldialogs gbshellservices gbtoolkit
  gbwindow gbshell gbresources gbplatform Qt6::Widgets)
set(GB_LIBRARY_PICTURES tree209.png tree210.png tree211.png title.png)
list(TRANSFORM GB_LIBRARY_PICTURES PREPEND ${CMAKE_SOURCE_DIR}/resources/library/)
qt_add_resources(gblibrarywindow library_pictures PREFIX "/library" BASE ${CMAKE_SOURCE_DIR}/resources/library
  FILES ${GB_LIBRARY_PICTURES})

# The drawing tool for resources/library (run by hand; see its first lines).
add_executable(drawlibrarypictures EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/resources/library/DrawLibraryPictures.cpp)
set_target_properties(drawlibrarypictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(drawlibrarypictures PRIVATE Qt6::Gui)

# The library window as the main window's album choice (InstallLibraryWindow).
add_library(gblibrarywindowlink STATIC ${CMAKE_CURRENT_SOURCE_DIR}/LibraryWindowLink.cpp)
target_link_libraries(gblibrarywindowlink PUBLIC gblibrarywindow gbapp)
