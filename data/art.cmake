# The pictures, zone masks and sounds of the data set, made by tools/assetgen from the
# SVG drawings of data/art/ and the names and lines of the text data. The generator runs
# again only when a drawing, the text data or the generator itself changed.
if(NOT TARGET assetgen)
  return()
endif()
file(GLOB FJORDHEIM_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/art/*.svg ${CMAKE_CURRENT_LIST_DIR}/art/*.txt)
file(GLOB FJORDHEIM_ART_TEXT_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/text/Data/* ${CMAKE_CURRENT_LIST_DIR}/text/Html/*)
set(FJORDHEIM_ART_MANIFEST ${FJORDHEIM_GAME_DIR}/assets.manifest)
add_custom_command(OUTPUT ${FJORDHEIM_ART_MANIFEST}
                   COMMAND assetgen --art ${CMAKE_CURRENT_LIST_DIR}/art --data ${CMAKE_CURRENT_LIST_DIR}/text/Data
                           --out ${FJORDHEIM_GAME_DIR}
                   DEPENDS assetgen ${FJORDHEIM_ART_SOURCES} ${FJORDHEIM_ART_TEXT_SOURCES}
                   COMMENT "Drawing the pictures and making the sounds of the game folder"
                   VERBATIM)
add_custom_target(fjordheim_art ALL DEPENDS ${FJORDHEIM_ART_MANIFEST})

# The recordings of each other language (the advisers, the merchants, the story) are
# spoken from its own texts into its folder's Sound/; the program's lines among them come
# from its catalog.
foreach(language ${FJORDHEIM_DATA_LANGUAGES})
  set(advice ${CMAKE_CURRENT_LIST_DIR}/text/${language}/Data/advice.txt)
  if(NOT EXISTS ${advice})
    continue()
  endif()
  set(manifest ${FJORDHEIM_GAME_DIR}/${language}/assets.manifest)
  add_custom_command(OUTPUT ${manifest}
                     COMMAND assetgen --speech ${language} --data ${CMAKE_CURRENT_LIST_DIR}/text/${language}/Data
                             --catalogs ${FJORDHEIM_GAME_DIR}/locale --out ${FJORDHEIM_GAME_DIR}/${language}
                     DEPENDS assetgen ${advice} ${PROJECT_SOURCE_DIR}/po/${language}.po
                     COMMENT "Speaking the recordings of ${language}"
                     VERBATIM)
  add_custom_target(fjordheim_speech_${language} ALL DEPENDS ${manifest})
  add_dependencies(fjordheim_speech_${language} fjordheim_catalogs)
  add_dependencies(fjordheim_art fjordheim_speech_${language})
endforeach()
