# Linux install: the program, its XScreenSaver description, a desktop entry
# that opens the settings dialog, and its icon in the hicolor theme (the
# Windows icon converted to PNG with ImageMagick at build time).
if(WIN32)
  return()
endif()
include(GNUInstallDirs)

install(TARGETS torvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/res/torvane.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES ${PROJECT_SOURCE_DIR}/res/torvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

find_program(TORVANE_CONVERT convert)
if(TORVANE_CONVERT)
  set(icon_png ${CMAKE_BINARY_DIR}/icons/torvane.png)
  add_custom_command(
    OUTPUT ${icon_png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons
    COMMAND ${TORVANE_CONVERT} ${PROJECT_SOURCE_DIR}/res/torvane.ico PNG32:${icon_png}
    DEPENDS ${PROJECT_SOURCE_DIR}/res/torvane.ico
    COMMENT "Converting the icon to PNG"
    VERBATIM)
  add_custom_target(torvane_icon ALL DEPENDS ${icon_png})
  install(FILES ${icon_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
else()
  message(WARNING "ImageMagick's convert was not found: the icon will not be installed")
endif()
