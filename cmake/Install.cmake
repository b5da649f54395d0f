# Installing the desktop program, and its Debian package.
#   cmake --install <build> [--prefix <folder>]   the two programs, the desktop entry, the
#                                                 icon, the reading-file type, the manual
#                                                 pages, the licence and the changelog
#   cd <build> && cpack -G DEB                    a .deb of the same files under /usr, with
#                                                 the manual pages and the changelog gzipped
# The icon's PNG files are drawn at build time by the program's own icon code.
include(GNUInstallDirs)

set(STARLOOM_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(STARLOOM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/qm-starloom)
set(STARLOOM_ICON_SIZES 16 22 24 32 48 64 128 256) # pixels, the icon theme's usual sizes

if(TARGET starloom)
    install(TARGETS starloom RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${STARLOOM_PACKAGING_DIR}/starloom.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${STARLOOM_PACKAGING_DIR}/starloom.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${STARLOOM_PACKAGING_DIR}/qm-starloom.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
endif()
if(TARGET starloom-cli)
    install(TARGETS starloom-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${STARLOOM_PACKAGING_DIR}/starloom-cli.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET starloom_shell)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tools/render_icon ${CMAKE_BINARY_DIR}/tools/render_icon)
    set(icon_folder ${CMAKE_BINARY_DIR}/icons/hicolor)
    set(icon_files)
    foreach(side IN LISTS STARLOOM_ICON_SIZES)
        list(APPEND icon_files ${icon_folder}/${side}x${side}/apps/starloom.png)
        install(FILES ${icon_folder}/${side}x${side}/apps/starloom.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps)
    endforeach()
    add_custom_command(OUTPUT ${icon_files}
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                               $<TARGET_FILE:starloom-render-icon> ${icon_folder}
                               ${STARLOOM_ICON_SIZES}
                       DEPENDS starloom-render-icon
                       COMMENT "Drawing the program icon for the icon theme"
                       VERBATIM)
    add_custom_target(starloom_icons ALL DEPENDS ${icon_files})
endif()
install(FILES ${STARLOOM_PACKAGING_DIR}/starloom.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${STARLOOM_PACKAGING_DIR}/copyright
              ${STARLOOM_PACKAGING_DIR}/changelog
        DESTINATION ${STARLOOM_DOC_DIR})

# The Debian package. dpkg-shlibdeps works out the Qt 6 runtime packages the programs need.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qm-starloom)
set(CPACK_PACKAGE_VENDOR "QM Starloom")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "QM Starloom developers <starloom@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://starloom.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "natal charts and the pattern of the planets in them")
# Lines of the long description stay within 80 columns with the leading blank dpkg adds.
set(CPACK_PACKAGE_DESCRIPTION
    "QM Starloom computes a natal chart with its own formulas: the tropical\n"
    "positions of the Sun, the Moon, Mercury to Pluto and the ascendant,\n"
    "retrograde marks from built-in tables, and the planetary pattern of the\n"
    "chart with its interpretation. The result window shows a natal wheel with\n"
    "whole-sign houses, the positions and the report. Readings can be saved and\n"
    "reopened, exported as text, saved as JPEG images and printed. starloom-cli\n"
    "makes the same readings from the command line.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Manual pages and the changelog gzipped in the package only.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianPackageFiles.cmake)
set(CPACK_STARLOOM_MANDIR ${CMAKE_INSTALL_MANDIR})
set(CPACK_STARLOOM_DOCDIR ${STARLOOM_DOC_DIR})
# Under a Wayland session Qt needs this plugin to run natively rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)
include(CPack)
