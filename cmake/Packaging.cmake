# Installation layout and the Debian package.
include(GNUInstallDirs)

# The programs in bin/, their image decoder where they look for it: ../libexec/tu_k/.
foreach(program tu_k tu_k-make tu_k-decode)
  if(TARGET ${program})
    set(dir ${CMAKE_INSTALL_BINDIR})
    if(program STREQUAL "tu_k-decode")
      set(dir ${CMAKE_INSTALL_LIBEXECDIR}/tu_k)
    endif()
    install(TARGETS ${program} RUNTIME DESTINATION ${dir})
    # A stripped install also drops the compiler's version notes, as Debian's own tools do.
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dir}/${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
  endif()
endforeach()

set(TUK_ICONS ${PROJECT_SOURCE_DIR}/src/app/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tu_k.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/example.tarnwick.tu_k.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The changelog, the metainfo and the manual pages each name the release: a new version must
# not leave one of them behind.
foreach(pair "changelog|^tu-k \\(${PROJECT_VERSION}\\)"
             "example.tarnwick.tu_k.metainfo.xml|<release version=\"${PROJECT_VERSION}\""
             "tu_k.1|^\\.TH .*\"tu_k ${PROJECT_VERSION}\""
             "tu_k-make.1|^\\.TH .*\"tu_k ${PROJECT_VERSION}\"")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 pattern)
  file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/${name} found REGEX "${pattern}")
  if(NOT found)
    message(FATAL_ERROR "packaging/${name} does not name version ${PROJECT_VERSION}")
  endif()
endforeach()

# Manual pages and the changelog are installed compressed, as Debian wants them; gzip -n
# leaves out the name and time stamp so that the same sources give the same package.
set(TUK_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tu-k)
find_program(GZIP_PROGRAM gzip REQUIRED)
file(GLOB TUK_MAN_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/*.1)
set(TUK_COMPRESSED "")
foreach(source IN LISTS TUK_MAN_PAGES ITEMS ${PROJECT_SOURCE_DIR}/packaging/changelog)
  get_filename_component(name "${source}" NAME)
  set(compressed ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${PROJECT_BINARY_DIR}/packaging/${name}
    COMMAND ${GZIP_PROGRAM} -9nf ${PROJECT_BINARY_DIR}/packaging/${name}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND TUK_COMPRESSED ${compressed})
endforeach()
add_custom_target(tuk_compressed_docs ALL DEPENDS ${TUK_COMPRESSED})
list(FILTER TUK_COMPRESSED INCLUDE REGEX "\\.1\\.gz$")
install(FILES ${TUK_COMPRESSED} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${TUK_DOCDIR})
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
# One line of the long description each: the control file keeps them below 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Tu_K writes one web page per GIF or JPEG image of a folder, with navigation"
       "links, image facts, sample text and a credit line, styled in a live-preview"
       "editor. tu_k-make writes the same pages from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tu_k)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwick.example/tu_k/")
# Shared-library dependencies are computed from the binaries; the Qt plugins they load at run
# time (the platform and SVG plugins) are named by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's Wayland platform plugin lets the window run natively on a Wayland desktop; without
# it the window falls back to XWayland. Qt's translations put the standard dialogs' buttons in
# the user's language beside the program's own translated texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME tu-k)
