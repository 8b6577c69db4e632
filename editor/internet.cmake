# The Internet page of the album editor: the download control, the scan of a page's
# tags, the links to pictures and the page with its handlers.
add_library(gbinternet STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/ControlInternet.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/HtmlTags.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/InternetLinks.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/InternetPage.cpp
)
target_include_directories(gbinternet PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbinternet PUBLIC gbapp gbalbum gbnet gbdesktop gbshell gbresources gbplatform Qt6::Widgets)
