# The media library's built-in assets, compiled into the editor library:
# music and sound effects synthesised by gen-sounds (ffmpeg) under ":/music"
# and ":/soundfx", big enough to go through qt5_add_big_resources, and the
# stickers with their list pictures drawn by gen-assets under ":/stickers".
# Sets BUILTIN_ASSET_SOURCES.
find_program(FFMPEG_EXECUTABLE ffmpeg REQUIRED)

set(SOUND_LIST ${PROJECT_SOURCE_DIR}/resources/sounds/sounds.list)
set(SOUND_OUT_DIR ${CMAKE_BINARY_DIR}/builtin_sounds)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SOUND_LIST})
file(STRINGS ${SOUND_LIST} sound_lines REGEX "^[^#].*\\|")
set(SOUND_FILES)
set(sound_qrc_text "<RCC>\n  <qresource prefix=\"/\">\n")
foreach(line ${sound_lines})
  string(REGEX REPLACE "\\|.*" "" resource_path "${line}")
  string(STRIP "${resource_path}" resource_path)
  list(APPEND SOUND_FILES ${SOUND_OUT_DIR}/${resource_path})
  string(APPEND sound_qrc_text "    <file alias=\"${resource_path}\">${SOUND_OUT_DIR}/${resource_path}</file>\n")
endforeach()
string(APPEND sound_qrc_text "  </qresource>\n</RCC>\n")
set(SOUND_QRC ${CMAKE_BINARY_DIR}/builtin_sounds.qrc)
file(CONFIGURE OUTPUT ${SOUND_QRC} CONTENT "${sound_qrc_text}")
add_custom_command(
  OUTPUT ${SOUND_FILES}
  COMMAND gen-sounds ${FFMPEG_EXECUTABLE} ${SOUND_LIST} ${SOUND_OUT_DIR}
  DEPENDS gen-sounds ${SOUND_LIST}
  COMMENT "Synthesising the built-in music and sound effects"
  VERBATIM)
# MP3 data does not shrink: storing it as it is spares rcc the attempt.
qt5_add_big_resources(SOUND_RCC_OBJECTS ${SOUND_QRC} OPTIONS -no-compress)

set(STICKER_LIST ${PROJECT_SOURCE_DIR}/resources/stickers/stickers.list)
set(STICKER_OUT_DIR ${CMAKE_BINARY_DIR}/builtin_stickers)
set(STICKER_QRC ${CMAKE_BINARY_DIR}/builtin_stickers.qrc)
set(STICKER_RCC_SOURCE ${CMAKE_BINARY_DIR}/qrc_builtin_stickers.cpp)
add_custom_command(
  OUTPUT ${STICKER_RCC_SOURCE}
  COMMAND gen-assets ${STICKER_LIST} ${PROJECT_SOURCE_DIR}/resources/stickers ${STICKER_OUT_DIR} ${STICKER_QRC}
  COMMAND Qt5::rcc --name builtin_stickers -no-compress ${STICKER_QRC} -o ${STICKER_RCC_SOURCE}
  DEPENDS gen-assets ${STICKER_LIST}
  COMMENT "Drawing the built-in stickers"
  VERBATIM)
set_source_files_properties(${STICKER_RCC_SOURCE} PROPERTIES SKIP_AUTOMOC ON SKIP_AUTOUIC ON)

# The camera shutter the editor plays for a photo or a saved frame: a short
# burst of noise that dies away, synthesised by ffmpeg under ":/assets".
set(SHUTTER_WAV ${CMAKE_BINARY_DIR}/builtin_assets/shutter.wav)
set(SHUTTER_QRC ${CMAKE_BINARY_DIR}/builtin_assets.qrc)
set(SHUTTER_RCC_SOURCE ${CMAKE_BINARY_DIR}/qrc_builtin_assets.cpp)
file(CONFIGURE OUTPUT ${SHUTTER_QRC} CONTENT
  "<RCC>\n  <qresource prefix=\"/\">\n    <file alias=\"assets/shutter.wav\">${SHUTTER_WAV}</file>\n  </qresource>\n</RCC>\n")
add_custom_command(
  OUTPUT ${SHUTTER_RCC_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/builtin_assets
  COMMAND ${FFMPEG_EXECUTABLE} -v error -y -f lavfi -i "anoisesrc=d=0.15:c=pink:a=0.6"
          -af "afade=t=out:st=0.01:d=0.14" -ar 44100 -ac 1 -c:a pcm_s16le ${SHUTTER_WAV}
  COMMAND Qt5::rcc --name builtin_assets ${SHUTTER_QRC} -o ${SHUTTER_RCC_SOURCE}
  DEPENDS ${SHUTTER_QRC}
  COMMENT "Synthesising the camera shutter sound"
  VERBATIM)
set_source_files_properties(${SHUTTER_RCC_SOURCE} PROPERTIES SKIP_AUTOMOC ON SKIP_AUTOUIC ON)

set(BUILTIN_ASSET_SOURCES ${SOUND_RCC_OBJECTS} ${STICKER_RCC_SOURCE} ${SHUTTER_RCC_SOURCE})
