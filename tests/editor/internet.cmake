# The Internet page: tags, links and page text in isolation, then the page and the
# downloads against a web server the test runs on 127.0.0.1.
find_package(Qt6 REQUIRED COMPONENTS Network)
gb_add_test(NAME editor_internet_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/InternetScanTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/InternetPageTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/TestWebServer.cpp ${CMAKE_CURRENT_SOURCE_DIR}/EditorTestSupport.cpp
  LIBS gbinternet Qt6::Network)
add_dependencies(editor_internet_tests Dialog)

# The Internet page with a list of pictures, for a look (see its first lines).
add_executable(internet_page_shot EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/InternetPageShot.cpp)
set_target_properties(internet_page_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(internet_page_shot PRIVATE gbinternet)
