# Run by `cmake --install`: places the market server's service and the options it reads.
# Expects FJORDHEIM_MARKET_SERVICE_SOURCE, FJORDHEIM_MARKET_DEFAULTS_SOURCE,
# FJORDHEIM_INSTALL_BINDIR and FJORDHEIM_STAGED (a folder of the build). Below /usr the options go to /etc/default, where a Debian
# system keeps them; below any other prefix to PREFIX/etc/default. The service names both
# places as the prefix gives them.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(defaults_dir /etc/default)
else()
  set(defaults_dir ${CMAKE_INSTALL_PREFIX}/etc/default)
endif()
set(FJORDHEIM_MARKET_DEFAULTS ${defaults_dir}/fjordheim-market)
set(FJORDHEIM_MARKET_PROGRAM ${CMAKE_INSTALL_PREFIX}/${FJORDHEIM_INSTALL_BINDIR}/fjordheim-market)
set(staged ${FJORDHEIM_STAGED}/service)
configure_file(${FJORDHEIM_MARKET_SERVICE_SOURCE} ${staged}/fjordheim-market.service @ONLY)
configure_file(${FJORDHEIM_MARKET_DEFAULTS_SOURCE} ${staged}/fjordheim-market COPYONLY)
file(INSTALL ${staged}/fjordheim-market.service DESTINATION ${CMAKE_INSTALL_PREFIX}/lib/systemd/system)
file(INSTALL ${staged}/fjordheim-market DESTINATION ${defaults_dir})
