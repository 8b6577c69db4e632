# The window and desktop services: window effects, the desktop, visual styles.
add_library(gbwindowservices STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassDesktop.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassTheme.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassWindow.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/GeneralTheme.cpp
)
target_include_directories(gbwindowservices PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbwindowservices PUBLIC gbtoolkit gbwindow gbplatform Qt6::Widgets)
