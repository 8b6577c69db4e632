# The options window, the plug-in information window and the visual-style switch.
# Their pictures are drawn by resources/options/DrawOptionPictures.cpp.
add_library(gboptionswindow STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/FormPlugin.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FormProperty.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/VisualStyle.cpp
)
target_include_directories(gboptionswindow PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gboptionswindow PUBLIC gboptions gbplugins gbapp gbshelldialogs gbshellservices
  gbwindowservices gbtoolkit gbshell gbresources gbplatform Qt6::Widgets)
set(GB_OPTION_PICTURES sound501.png plugin502.png plugin503.png logo.png)
foreach(k 1 2 3 4 5)
  list(APPEND GB_OPTION_PICTURES quality500${k}.png)
endforeach()
list(TRANSFORM GB_OPTION_PICTURES PREPEND ${CMAKE_SOURCE_DIR}/resources/options/)
qt_add_resources(gboptionswindow option_pictures PREFIX "/options" BASE ${CMAKE_SOURCE_DIR}/resources/options
  FILES ${GB_OPTION_PICTURES})

# The drawing tool for resources/options (run by hand; see its first lines).
add_executable(drawoptionpictures EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/resources/options/DrawOptionPictures.cpp)
set_target_properties(drawoptionpictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(drawoptionpictures PRIVATE Qt6::Gui)

# The options window as the main window opens it (InstallOptionsWindow).
add_library(gboptionswindowlink STATIC ${CMAKE_CURRENT_SOURCE_DIR}/OptionsWindowLink.cpp)
target_link_libraries(gboptionswindowlink PUBLIC gboptionswindow gbapp)
