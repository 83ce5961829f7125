# Installing the reader: the executables with Howto.txt and KeyMap.tbl in one folder
# (lib/textreader, where the program looks for them), commands in bin/ linking there, the
# menu entry and the icon. `cpack -G DEB` in a release build makes the Debian package, its
# dependencies read off the libraries the executables link.
include(GNUInstallDirs)
set(TEXTREADER_INSTALL_DIR lib/textreader)

install(TARGETS textreader textreader-cli textreader-cli-fonts
        RUNTIME DESTINATION ${TEXTREADER_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/Howto.txt ${CMAKE_SOURCE_DIR}/data/KeyMap.tbl
        DESTINATION ${TEXTREADER_INSTALL_DIR})
foreach(program textreader textreader-cli)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ../${TEXTREADER_INSTALL_DIR}/${program}
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)")
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/textreader.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/textreader.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/textreader-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME textreader.png)
endforeach()

set(CPACK_PACKAGE_NAME textreader)
set(CPACK_PACKAGE_VENDOR "TextReader")
set(CPACK_PACKAGE_CONTACT "TextReader developers <textreader@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reader for long Japanese and English texts, typed out page by page")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found by the library scan: Qt's X11 platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The viewer's designed font; without it Japanese text falls back to whatever is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
include(CPack)
