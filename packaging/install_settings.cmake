# Run by `cmake --install`: places the shared settings file and the data set's link to it.
# Expects FJORDHEIM_SETTINGS_SOURCE and FJORDHEIM_INSTALL_DATADIR.
# Below /usr the link crosses to /etc and is absolute, as Debian wants it; below any other
# prefix it stays inside the prefix and is relative, so the installed tree can move.
set(data_dir ${CMAKE_INSTALL_PREFIX}/${FJORDHEIM_INSTALL_DATADIR})
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(settings_dir /etc/fjordheim)
  set(link_target ${settings_dir}/tunstad.ini)
else()
  set(settings_dir ${CMAKE_INSTALL_PREFIX}/etc/fjordheim)
  file(RELATIVE_PATH link_target ${data_dir} ${settings_dir}/tunstad.ini)
endif()
# file(INSTALL) puts DESTDIR before the folder itself; the link and its folder need it written.
file(INSTALL ${FJORDHEIM_SETTINGS_SOURCE} DESTINATION ${settings_dir})
set(link $ENV{DESTDIR}${data_dir}/tunstad.ini)
message(STATUS "Installing: ${link} -> ${link_target}")
file(MAKE_DIRECTORY $ENV{DESTDIR}${data_dir})
file(CREATE_LINK ${link_target} ${link} SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${link})
