# Installation layout and the Debian package.
include(GNUInstallDirs)

foreach(program tu_k tu_k-make)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

set(TUK_ICONS ${PROJECT_SOURCE_DIR}/src/app/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tu_k.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/example.tarnwick.tu_k.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tu_k-make.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(size 16 32 48)
  install(FILES ${TUK_ICONS}/tu_k-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tu_k.png)
endforeach()
install(FILES ${TUK_ICONS}/tu_k.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tu-k)
set(CPACK_PACKAGE_VENDOR Tarnwick)
set(CPACK_PACKAGE_CONTACT "Tarnwick <tu_k@tarnwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a folder of images into static web pages")
set(CPACK_PACKAGE_DESCRIPTION "Tu_K writes one web page per GIF or JPEG image of a folder, \
with navigation links, image facts, sample text and a credit line, styled in a live-preview \
editor. tu_k-make writes the same pages from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tu_k)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwick.example/tu_k/")
# Shared-library dependencies are computed from the binaries; the Qt plugins they load at run
# time (the platform and SVG plugins) are named by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_STRIP_FILES ON)
include(CPack)
