# The common dialogs: open and save files (ClassDialog), the folder browser
# (ClassPathDialog), and the print, print set-up and page set-up dialogs with the
# printer canvas (ClassPrintDialog).
find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
add_library(gbshelldialogs STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassPathDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassPrintDialog.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FolderBrowser.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ModalFallback.cpp
)
target_include_directories(gbshelldialogs PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbshelldialogs PUBLIC gbshell gbprint gbplatform Qt6::Widgets Qt6::PrintSupport)
