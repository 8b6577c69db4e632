# The shell services: ClassShell (open, file operations, recent documents, file
# information) and ClassHelp (the help viewer), over the desktop layer.
add_library(gbshellservices STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassHelp.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ClassShell.cpp
)
target_include_directories(gbshellservices PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(gbshellservices PUBLIC gbplatform gbdesktop gbdraw)

# The help file goes into the program folder as Glimmerbox.HLP.
include(${CMAKE_SOURCE_DIR}/resources/help/Help.cmake OPTIONAL)
