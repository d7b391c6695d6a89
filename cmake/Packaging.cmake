# Installation (cmake --install), desktop integration and the Debian package (cpack -G DEB).
#
#   bin/                      mousecfg, mouse-osd, virtual-mouse
#   share/mousecfg/           DefaultProfile.bin, skin/, lang/, the model's default Configs/
#   share/applications/       mousecfg.desktop
#   share/icons/hicolor/      <size>/apps/mousecfg.png
#   lib/udev/rules.d/         60-mousecfg.rules
#
# The program finds share/mousecfg relative to its own folder, so an unpacked or relocated
# installation works as well as one under /usr.
include(GNUInstallDirs)

set(MOUSECFG_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/mousecfg)
# Relative to the prefix: udev reads /usr/lib/udev/rules.d and /usr/local/lib/udev/rules.d alike.
set(MOUSECFG_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Folder of the udev rule, relative to the prefix (or absolute)")

file(RELATIVE_PATH MOUSECFG_INSTALL_DATA_REL
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${MOUSECFG_INSTALL_DATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/model/AppPaths.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS MOUSECFG_INSTALL_DATA_REL="${MOUSECFG_INSTALL_DATA_REL}")

# Programs.
set(MOUSECFG_INSTALLED_PROGRAMS mousecfg mouse-osd)
if(TARGET virtual-mouse)
    list(APPEND MOUSECFG_INSTALLED_PROGRAMS virtual-mouse)
endif()
install(TARGETS ${MOUSECFG_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The application folder's read-only parts. Configs/ comes from the sample installation itself,
# not from the build's bin/, where a run of the tool may have changed it.
install(FILES ${MOUSECFG_MODEL_DIR}/DefaultProfile.bin DESTINATION ${MOUSECFG_INSTALL_DATADIR})
install(DIRECTORY ${MOUSECFG_MODEL_DIR}/Configs DESTINATION ${MOUSECFG_INSTALL_DATADIR})
install(DIRECTORY ${MOUSECFG_APP_DIR}/skin DESTINATION ${MOUSECFG_INSTALL_DATADIR})
install(DIRECTORY ${MOUSECFG_APP_DIR}/lang DESTINATION ${MOUSECFG_INSTALL_DATADIR} OPTIONAL)

# Desktop entry and icons, the icons rendered from the skin's icon source like the skin itself.
set(MOUSECFG_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_target(desktop_icons ALL
    COMMAND skinrender
        --manifest ${CMAKE_SOURCE_DIR}/data/desktop/icons.manifest --src ${SKIN_SRC_DIR}
        --out ${MOUSECFG_ICON_DIR}
        --accent ${MOUSECFG_SKIN_ACCENT} --stamp ${CMAKE_BINARY_DIR}/icons-accent.stamp
    SOURCES ${CMAKE_SOURCE_DIR}/data/desktop/icons.manifest ${SKIN_SRC_DIR}/icon.svg
    COMMENT "Rendering the desktop icons"
    VERBATIM)
install(DIRECTORY ${MOUSECFG_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/mousecfg.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

install(FILES ${CMAKE_SOURCE_DIR}/data/udev/60-mousecfg.rules DESTINATION ${MOUSECFG_UDEV_RULES_DIR})

# Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VENDOR "mousecfg")
set(CPACK_PACKAGE_CONTACT "mousecfg maintainers <mousecfg@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration tool for wireless gaming mice")
set(CPACK_PACKAGE_DESCRIPTION "Sets DPI levels, report rate, button functions, lighting and \
macros of the mouse through its USB receiver or charging cable, and shows its battery level. \
This package carries the ${MOUSECFG_MODEL} installation.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library packages come from dpkg-shlibdeps (dpkg-dev); plugins it cannot see are listed here:
# the tray icon talks to the desktop's status notifier over D-Bus through the xcb platform plugin
# of libqt5gui5, which depends on libqt5dbus5.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5dbus5")
# The Chinese interface languages name Noto Sans CJK.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/cmake/debian/postinst ${CMAKE_SOURCE_DIR}/cmake/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)

# Builds the package, unpacks it into a scratch root and starts the unpacked tool there.
if(MOUSECFG_BUILD_TESTS)
    add_test(NAME package_check
        COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check-package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(package_check PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77)
endif()
