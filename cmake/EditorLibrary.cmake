# The editor: the main window, timeline, segment editing, drawing, media
# library and application shell call each other, so their folders form one
# library. Two sources in these folders are built lower down: the movie size
# levels belong to `project`, and the tooltip button to `foundation`, whose
# popups use it.
set(EDITOR_FOLDERS mainwindow timeline editing drawing media app)
set(EDITOR_SOURCES)
foreach(folder ${EDITOR_FOLDERS})
  file(GLOB folder_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND EDITOR_SOURCES ${folder_sources})
endforeach()
list(FILTER EDITOR_SOURCES EXCLUDE REGEX
  "/media/MovieSizeForLevel\\.(cpp|h)$|/timeline/TooltipButton\\.(cpp|h)$|/app/main\\.cpp$")

if(EDITOR_SOURCES)
  include(BuiltinAssets)
  add_library(editor SHARED ${EDITOR_SOURCES} ${BUILTIN_ASSET_SOURCES})
  vidorna_precompile_headers(editor WIDGETS)
  foreach(folder ${EDITOR_FOLDERS})
    target_include_directories(editor PUBLIC ${PROJECT_SOURCE_DIR}/${folder})
  endforeach()
  target_link_libraries(editor PUBLIC project model foundation avframework platform
    Qt5::Widgets Qt5::OpenGL Qt5::Multimedia Qt5::MultimediaWidgets Qt5::Network)
  target_link_libraries(editor PRIVATE webview)
endif()
