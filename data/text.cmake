# The texts of the data set (settings, advice, decisions, events, tips, quiz, pages)
# are written as UTF-8 in data/text/, laid out as in the game folder, and converted
# to Windows-1252 into the game folder; each file is redone only when its source changed.
set(FJORDHEIM_TEXT_DIR ${CMAKE_CURRENT_LIST_DIR}/text)
file(GLOB_RECURSE FJORDHEIM_TEXT_FILES CONFIGURE_DEPENDS RELATIVE ${FJORDHEIM_TEXT_DIR}
     ${FJORDHEIM_TEXT_DIR}/tunstad.ini ${FJORDHEIM_TEXT_DIR}/Data/* ${FJORDHEIM_TEXT_DIR}/Html/*)
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
add_custom_target(fjordheim_texts ALL DEPENDS ${FJORDHEIM_TEXT_OUTPUTS})
