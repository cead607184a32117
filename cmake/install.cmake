# Linux install: the program in bin/ (its launcher; the program proper in
# libexec/torvane/) and, for XScreenSaver, under
# libexec/xscreensaver/ (a link to it) with its description in
# share/xscreensaver/config/: with the prefix /usr these are the folders
# where Debian's XScreenSaver daemon and xscreensaver-settings look. Its
# entry in share/applications/screensavers/ offers it to mate-screensaver,
# which runs it as a hack too. Also a desktop entry that opens the settings
# dialog, its icon in the hicolor theme at 16 to 256 pixels (drawn by
# texgen), a section 6 manual page, and the package's copyright and
# changelog. cmake/package.cmake makes a Debian package of it all.
if(WIN32)
  return()
endif()
include(GNUInstallDirs)

# bin/torvane is the launcher, which runs the program proper from
# libexec/torvane/ (src/platform/linux/launcher.c).
install(TARGETS torvane_launcher RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS torvane RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/torvane)
set(hacks_dir ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
install(CODE "
  set(hacks \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${hacks_dir}\")
  file(MAKE_DIRECTORY \"\${hacks}\")
  file(CREATE_LINK ../../${CMAKE_INSTALL_BINDIR}/torvane \"\${hacks}/torvane\" SYMBOLIC)
  message(STATUS \"Installing: \${hacks}/torvane -> ../../${CMAKE_INSTALL_BINDIR}/torvane\")")
install(FILES ${PROJECT_SOURCE_DIR}/res/torvane.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES ${PROJECT_SOURCE_DIR}/res/torvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/torvane-screensaver.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications/screensavers RENAME torvane.desktop)

set(icons_dir ${CMAKE_BINARY_DIR}/hicolor)
add_custom_command(
  OUTPUT ${icons_dir}/256x256/apps/torvane.png
  COMMAND texgen --icons ${icons_dir}
  DEPENDS texgen
  COMMENT "Drawing the desktop icons")
add_custom_target(torvane_icons ALL DEPENDS ${icons_dir}/256x256/apps/torvane.png)
install(DIRECTORY ${icons_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Debian keeps manual pages and changelogs compressed, without time stamps.
set(doc_dir ${CMAKE_BINARY_DIR}/doc)
foreach(source res/torvane.6 res/package/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${doc_dir}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_dir}
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/${source} > ${doc_dir}/${name}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND compressed_docs ${doc_dir}/${name}.gz)
endforeach()
add_custom_target(torvane_docs ALL DEPENDS ${compressed_docs})
install(FILES ${doc_dir}/torvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${doc_dir}/changelog.gz ${PROJECT_SOURCE_DIR}/res/package/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
