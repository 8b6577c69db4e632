# The index print of the album editor: the current album as a contact sheet on the
# printer canvas.
add_library(gbindexprint STATIC ${CMAKE_CURRENT_SOURCE_DIR}/IndexPrint.cpp)
target_include_directories(gbindexprint PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbindexprint PUBLIC gbalbum gbshelldialogs gbprint gbplatform)

# The Internet page and the index print as the album editor's pieces
# (InstallInternetAndPrint).
add_library(gbeditorextensions STATIC ${CMAKE_CURRENT_SOURCE_DIR}/InternetAndPrint.cpp)
target_link_libraries(gbeditorextensions PUBLIC gbeditor gbinternet gbindexprint)
