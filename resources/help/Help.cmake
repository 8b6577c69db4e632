# The help file: Glimmerbox.html of this folder, put into the program folder as
# Glimmerbox.HLP (again whenever it changes).
configure_file(${CMAKE_SOURCE_DIR}/resources/help/Glimmerbox.html ${GB_BIN_DIR}/Glimmerbox.HLP COPYONLY)
