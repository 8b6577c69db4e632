# The index print of the album editor: the current album as a contact sheet on the
# printer canvas.
add_library(gbindexprint STATIC ${CMAKE_CURRENT_SOURCE_DIR}/IndexPrint.cpp)
target_include_directories(gbindexprint PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbindexprint PUBLIC gbalbum gbshelldialogs gbprint gbplatform)
