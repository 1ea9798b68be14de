# Install layout: programs in bin/, everything they read at run time under share/vkr2207/.
# A program finds that folder from its own location, so the installed tree can be moved as a
# whole (DESTDIR, another --prefix); in a build folder the same files sit beside the programs.
include(GNUInstallDirs)

set(VKR_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vkr2207)
# The data folder as seen from the programs' folder (../share/vkr2207 for the usual layout).
file(RELATIVE_PATH VKR_DATA_FROM_BIN ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${VKR_INSTALL_DATADIR})
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_DATADIR}")
  message(FATAL_ERROR "CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR must be relative paths")
endif()
