# The texts of the data set (settings, advice, decisions, events, tips, quiz, pages)
# are written as UTF-8 in data/text/, laid out as in the game folder, and converted
# to Windows-1252 into the game folder; each file is redone only when its source changed.
# Each other language's data set, data/text/<language>/, goes to the game folder's
# <language>/ the same way, with its names of the markets and merchants (markets.ini); a
# file a language lacks is read from the Bokmål data set by the game.
set(FJORDHEIM_TEXT_DIR ${CMAKE_CURRENT_LIST_DIR}/text)
set(FJORDHEIM_TEXT_PATTERNS ${FJORDHEIM_TEXT_DIR}/tunstad.ini ${FJORDHEIM_TEXT_DIR}/Data/* ${FJORDHEIM_TEXT_DIR}/Html/*)
foreach(language ${FJORDHEIM_DATA_LANGUAGES})
  list(APPEND FJORDHEIM_TEXT_PATTERNS ${FJORDHEIM_TEXT_DIR}/${language}/markets.ini
       ${FJORDHEIM_TEXT_DIR}/${language}/Data/* ${FJORDHEIM_TEXT_DIR}/${language}/Html/*)
endforeach()
file(GLOB_RECURSE FJORDHEIM_TEXT_FILES CONFIGURE_DEPENDS RELATIVE ${FJORDHEIM_TEXT_DIR} ${FJORDHEIM_TEXT_PATTERNS})
set(FJORDHEIM_TEXT_OUTPUTS)
foreach(file ${FJORDHEIM_TEXT_FILES})
  set(output ${FJORDHEIM_GAME_DIR}/${file})
  add_custom_command(OUTPUT ${output}
                     COMMAND textconv ${FJORDHEIM_TEXT_DIR}/${file} ${output}
                     DEPENDS ${FJORDHEIM_TEXT_DIR}/${file} textconv
                     COMMENT "Writing ${file} in Windows-1252"
                     VERBATIM)
  list(APPEND FJORDHEIM_TEXT_OUTPUTS ${output})
endforeach()
# A language's pages show the pictures of the data set by the same relative links as the
# Bokmål ones ("../Bilder/h_fiske.bmp").
foreach(language ${FJORDHEIM_DATA_LANGUAGES})
  if(IS_DIRECTORY ${FJORDHEIM_TEXT_DIR}/${language}/Html)
    file(MAKE_DIRECTORY ${FJORDHEIM_GAME_DIR}/${language})
    file(CREATE_LINK ../Bilder ${FJORDHEIM_GAME_DIR}/${language}/Bilder SYMBOLIC)
  endif()
endforeach()
add_custom_target(fjordheim_texts ALL DEPENDS ${FJORDHEIM_TEXT_OUTPUTS})
