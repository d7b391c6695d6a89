# Installation (cmake --install), desktop integration and the Debian packages (cpack -G DEB):
# mousecfg, what depends on the machine, and mousecfg-data, the same for every machine.
#
#   bin/                      mousecfg                                            mousecfg
#   lib/mousecfg/             mouse-osd (a helper the tool starts, not for the PATH)  mousecfg
#   share/applications/       mousecfg.desktop                                    mousecfg
#   share/metainfo/           io.github.mousecfg.metainfo.xml                     mousecfg
#   share/man/man1/           mousecfg.1                                          mousecfg
#   lib/udev/rules.d/         60-mousecfg.rules                                   mousecfg
#   share/mousecfg/           DefaultProfile.bin, skin/, lang/, default Configs/  mousecfg-data
#   share/icons/hicolor/      <size>/apps/mousecfg.png, scalable/apps/mousecfg.svg  mousecfg-data
#   share/doc/<package>/      copyright, changelog.gz                             each
#
# The virtual mouse is a tool for developers and tests: `cmake --install` puts it beside
# mouse-osd, but no package carries it, so users do not get a fake mouse they never asked for.
#
# The program finds share/mousecfg relative to its own folder, so an unpacked or relocated
# installation works as well as one under /usr.
include(GNUInstallDirs)
# Whatever names no component is the tool's; the shared data says so where it is installed.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tool)

set(MOUSECFG_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/mousecfg)
# Relative to the prefix: udev reads /usr/lib/udev/rules.d and /usr/local/lib/udev/rules.d alike.
set(MOUSECFG_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Folder of the udev rule, relative to the prefix (or absolute)")

file(RELATIVE_PATH MOUSECFG_INSTALL_DATA_REL
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${MOUSECFG_INSTALL_DATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/model/AppPaths.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS MOUSECFG_INSTALL_DATA_REL="${MOUSECFG_INSTALL_DATA_REL}")
# The helper programs, Debian's way: a private folder under lib/ rather than libexec/.
set(MOUSECFG_INSTALL_HELPERDIR lib/mousecfg)
file(RELATIVE_PATH MOUSECFG_INSTALL_HELPER_REL
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${MOUSECFG_INSTALL_HELPERDIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/platform/ProgramLauncher.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS MOUSECFG_INSTALL_HELPER_REL="${MOUSECFG_INSTALL_HELPER_REL}")

# Programs.
install(TARGETS mousecfg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS mouse-osd RUNTIME DESTINATION ${MOUSECFG_INSTALL_HELPERDIR})
if(TARGET virtual-mouse)
    install(TARGETS virtual-mouse RUNTIME DESTINATION ${MOUSECFG_INSTALL_HELPERDIR}
        COMPONENT developer)
endif()

# The application folder's read-only parts. Configs/ comes from the sample installation itself,
# not from the build's bin/, where a run of the tool may have changed it.
install(FILES ${MOUSECFG_MODEL_DIR}/DefaultProfile.bin DESTINATION ${MOUSECFG_INSTALL_DATADIR}
    COMPONENT data)
install(DIRECTORY ${MOUSECFG_MODEL_DIR}/Configs DESTINATION ${MOUSECFG_INSTALL_DATADIR}
    COMPONENT data PATTERN "*.prof" EXCLUDE)
# The default profiles are mostly one file under several names: each content is installed once
# and the other names link to it (seeding the user's folder copies the content, not the link).
file(GLOB_RECURSE _default_profiles RELATIVE ${MOUSECFG_MODEL_DIR}/Configs
    ${MOUSECFG_MODEL_DIR}/Configs/*.prof)
list(SORT _default_profiles)
set(_profile_hashes)
set(_profile_firsts)
foreach(_profile IN LISTS _default_profiles)
    file(SHA256 ${MOUSECFG_MODEL_DIR}/Configs/${_profile} _hash)
    list(FIND _profile_hashes ${_hash} _seen)
    get_filename_component(_profile_dir ${_profile} DIRECTORY)
    if(_seen EQUAL -1)
        list(APPEND _profile_hashes ${_hash})
        list(APPEND _profile_firsts ${_profile})
        install(FILES ${MOUSECFG_MODEL_DIR}/Configs/${_profile}
            DESTINATION ${MOUSECFG_INSTALL_DATADIR}/Configs/${_profile_dir} COMPONENT data)
    else()
        list(GET _profile_firsts ${_seen} _first)
        file(RELATIVE_PATH _target /${_profile_dir} /${_first})
        install(CODE "
            set(_link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MOUSECFG_INSTALL_DATADIR}/Configs/${_profile}\")
            get_filename_component(_link_dir \"\${_link}\" DIRECTORY)
            file(MAKE_DIRECTORY \"\${_link_dir}\")
            file(CREATE_LINK \"${_target}\" \"\${_link}\" SYMBOLIC)
            message(STATUS \"Linking: \${_link} -> ${_target}\")" COMPONENT data)
    endif()
endforeach()
install(DIRECTORY ${MOUSECFG_APP_DIR}/skin DESTINATION ${MOUSECFG_INSTALL_DATADIR} COMPONENT data)
install(DIRECTORY ${MOUSECFG_APP_DIR}/lang DESTINATION ${MOUSECFG_INSTALL_DATADIR} COMPONENT data
    OPTIONAL)

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
install(DIRECTORY ${MOUSECFG_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT data)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/mousecfg.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/io.github.mousecfg.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The scalable icon: the skin's source in the accent the PNGs are rendered in.
file(READ ${SKIN_SRC_DIR}/icon.svg _icon_svg)
string(REPLACE "#ff0000" "#${MOUSECFG_SKIN_ACCENT}" _icon_svg "${_icon_svg}")
file(WRITE ${CMAKE_BINARY_DIR}/icons/mousecfg.svg "${_icon_svg}")
install(FILES ${CMAKE_BINARY_DIR}/icons/mousecfg.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT data)

# The maintainer named in the package and its changelog: given at configure time, else the one
# git knows for this checkout.
set(MOUSECFG_MAINTAINER "" CACHE STRING "Package maintainer, \"Name <address>\" (empty: from git)")
if(NOT MOUSECFG_MAINTAINER)
    find_program(GIT_PROGRAM git)
    if(GIT_PROGRAM)
        execute_process(COMMAND ${GIT_PROGRAM} log -1 "--format=%an <%ae>"
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE MOUSECFG_MAINTAINER
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(NOT MOUSECFG_MAINTAINER)
    set(MOUSECFG_MAINTAINER "mousecfg developers <mousecfg@localhost.localdomain>")
endif()

# Documentation: manual pages, copyright and changelog, compressed the reproducible way.
set(MOUSECFG_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog ${MOUSECFG_DOC_DIR}/changelog @ONLY)
set(_doc_outputs)
foreach(_page mousecfg mouse-osd virtual-mouse)
    add_custom_command(OUTPUT ${MOUSECFG_DOC_DIR}/${_page}.1.gz
        COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/data/man/${_page}.1 > ${MOUSECFG_DOC_DIR}/${_page}.1.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/data/man/${_page}.1 VERBATIM)
    list(APPEND _doc_outputs ${MOUSECFG_DOC_DIR}/${_page}.1.gz)
    # The helpers are not on the PATH, so `man` would never be asked for their pages there.
    if(_page STREQUAL "mousecfg")
        install(FILES ${MOUSECFG_DOC_DIR}/${_page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endforeach()
add_custom_command(OUTPUT ${MOUSECFG_DOC_DIR}/changelog.gz
    COMMAND gzip -9n -c ${MOUSECFG_DOC_DIR}/changelog > ${MOUSECFG_DOC_DIR}/changelog.gz
    DEPENDS ${MOUSECFG_DOC_DIR}/changelog VERBATIM)
add_custom_target(package_docs ALL DEPENDS ${_doc_outputs} ${MOUSECFG_DOC_DIR}/changelog.gz)
install(FILES ${MOUSECFG_DOC_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mousecfg)
install(FILES ${MOUSECFG_DOC_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mousecfg-data COMPONENT data)

# What the packages' strip leaves that no one needs at run time: the compilers' version notes.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(_program bin/mousecfg ${MOUSECFG_INSTALL_HELPERDIR}/mouse-osd)
            execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${_program}\")
        endforeach()
    endif()")

install(FILES ${CMAKE_SOURCE_DIR}/data/udev/60-mousecfg.rules DESTINATION ${MOUSECFG_UDEV_RULES_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME mousecfg)

# Debian packages.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tool data)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VENDOR "mousecfg")
set(CPACK_PACKAGE_CONTACT "${MOUSECFG_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MOUSECFG_MAINTAINER}")
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME mousecfg)
set(CPACK_DEBIAN_DATA_PACKAGE_NAME mousecfg-data)
# Each package's first line is its synopsis (so no common summary, which CPack would put before
# both); lines of at most 80 characters, as the package format wants them.
set(CPACK_DEBIAN_TOOL_DESCRIPTION "Configuration tool for wireless gaming mice
Keeps the profiles of the mouse and writes them to it through its USB
receiver or charging cable, shows its battery level and connection, and
announces the changes made on the mouse on screen. A command line does the
same from scripts.")
set(CPACK_DEBIAN_DATA_DESCRIPTION "Configuration tool for wireless gaming mice - data files
The skin, the interface translations, the icons and the default profiles
(${MOUSECFG_MODEL} installation) of mousecfg, the same for every machine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
# The library packages come from dpkg-shlibdeps (dpkg-dev), libqt5dbus5 among them: the tool
# talks to the tray and the notification server over D-Bus itself.
set(CPACK_DEBIAN_TOOL_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS "mousecfg-data (= ${PROJECT_VERSION})")
# The Chinese interface languages name Noto Sans CJK.
set(CPACK_DEBIAN_TOOL_PACKAGE_RECOMMENDS "udev, fonts-noto-cjk")
set(CPACK_DEBIAN_TOOL_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/cmake/debian/postinst ${CMAKE_SOURCE_DIR}/cmake/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)

# Builds the packages, checks them, unpacks them into a scratch root and starts the tool there.
if(MOUSECFG_BUILD_TESTS)
    add_test(NAME package_check
        COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check-package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(package_check PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77
        LABELS package)
endif()
