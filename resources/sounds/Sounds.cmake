# Builds the three wave files of this folder into the library gbsounds, as byte arrays
# behind SoundResource(id). The files are made by MakeSounds.py and kept in the
# repository, so the build needs no Python.
set(GB_SOUND_DIR ${CMAKE_SOURCE_DIR}/resources/sounds)
set(GB_SOUND_FILES shutter.wav bell.wav wind.wav) # resource ids 1, 2, 3
set(GB_SOUND_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/SoundData.cpp)

set(GB_SOUND_TEXT "// Made by resources/sounds/Sounds.cmake from the wave files of that folder.\n")
string(APPEND GB_SOUND_TEXT "#include \"resources/sounds/SoundResources.h\"\n\nnamespace gb {\nnamespace {\n")
set(GB_SOUND_INDEX 0)
foreach(file IN LISTS GB_SOUND_FILES)
  math(EXPR GB_SOUND_INDEX "${GB_SOUND_INDEX} + 1")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${GB_SOUND_DIR}/${file})
  file(READ ${GB_SOUND_DIR}/${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(REGEX REPLACE "(([^,]*,){16})" "\\1\n" bytes "${bytes}")
  string(APPEND GB_SOUND_TEXT "const char kSound${GB_SOUND_INDEX}[] = {\n${bytes}};\n")
endforeach()
string(APPEND GB_SOUND_TEXT "} // namespace\n\nstd::string_view SoundResource(int id) {\n    switch (id) {\n")
foreach(index RANGE 1 ${GB_SOUND_INDEX})
  string(APPEND GB_SOUND_TEXT "    case ${index}: return {kSound${index}, sizeof kSound${index}};\n")
endforeach()
string(APPEND GB_SOUND_TEXT "    default: return {};\n    }\n}\n\n} // namespace gb\n")
file(CONFIGURE OUTPUT ${GB_SOUND_SOURCE} CONTENT "${GB_SOUND_TEXT}" @ONLY)

add_library(gbsounds STATIC ${GB_SOUND_SOURCE} ${GB_SOUND_DIR}/SoundResources.h)
target_include_directories(gbsounds PUBLIC ${CMAKE_SOURCE_DIR})
