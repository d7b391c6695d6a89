# The skin: SVG sources under resources/skin/ rendered at build time into the application
# folder's skin/ by the small renderer under tools/skinrender/, plus the busy animation that is
# compiled into the UI library as :/skin/loading.gif. No rendered image is kept in the sources.
find_package(Qt5 5.15 REQUIRED COMPONENTS Svg)

file(GLOB SKINRENDER_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/tools/skinrender/*.cpp ${CMAKE_SOURCE_DIR}/tools/skinrender/*.h)
add_executable(skinrender ${SKINRENDER_SOURCES})
target_link_libraries(skinrender PRIVATE Qt5::Gui Qt5::Svg)
# A build tool, not part of the installation: keep it out of the application folder.
set_target_properties(skinrender PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# Every accent-coloured part of the sources is drawn in ff0000 (theme colour 0); another value
# here renders the whole skin in that accent. Left empty, the skin takes the accent colour the
# installation's Config.ini names (Config/GColorID), so skin and window agree.
set(MOUSECFG_SKIN_ACCENT "" CACHE STRING "Accent colour of the rendered skin, rrggbb (empty: the model's)")
if(NOT MOUSECFG_SKIN_ACCENT)
    set(_skin_accents ff0000 00ff00 0000ff dbc8b6 ff00ff 00ffff ff7d00)
    set(_skin_accent_id 0)
    file(STRINGS ${CMAKE_SOURCE_DIR}/data/${MOUSECFG_MODEL}/Configs/Config.ini _skin_gcolor
        REGEX "^GColorID=[0-6]$")
    if(_skin_gcolor)
        string(REGEX REPLACE "^GColorID=" "" _skin_accent_id "${_skin_gcolor}")
    endif()
    list(GET _skin_accents ${_skin_accent_id} MOUSECFG_SKIN_ACCENT)
endif()
set(SKIN_SRC_DIR ${CMAKE_SOURCE_DIR}/resources/skin)
file(GLOB_RECURSE SKIN_SVGS CONFIGURE_DEPENDS ${SKIN_SRC_DIR}/*.svg)

# Runs on every build; the renderer itself skips images that are newer than their inputs.
add_custom_target(skin ALL
    COMMAND skinrender
        --manifest ${SKIN_SRC_DIR}/skin.manifest --src ${SKIN_SRC_DIR}
        --out ${MOUSECFG_APP_DIR}/skin
        --accent ${MOUSECFG_SKIN_ACCENT} --stamp ${CMAKE_BINARY_DIR}/skin-accent.stamp
    # The same images at twice the size (name@2x.png), drawn from at UI scales of 1.5 and up.
    COMMAND skinrender
        --manifest ${SKIN_SRC_DIR}/skin.manifest --src ${SKIN_SRC_DIR}
        --out ${MOUSECFG_APP_DIR}/skin --scale 2
        --accent ${MOUSECFG_SKIN_ACCENT} --stamp ${CMAKE_BINARY_DIR}/skin2x-accent.stamp
    SOURCES ${SKIN_SRC_DIR}/skin.manifest ${SKIN_SVGS}
    COMMENT "Rendering the skin into ${MOUSECFG_APP_DIR}/skin"
    VERBATIM)

set(SKIN_RC_DIR ${CMAKE_BINARY_DIR}/skin-rc)
add_custom_command(OUTPUT ${SKIN_RC_DIR}/loading.gif
    COMMAND skinrender
        --manifest ${SKIN_SRC_DIR}/compiled.manifest --src ${SKIN_SRC_DIR}
        --out ${SKIN_RC_DIR} --accent ${MOUSECFG_SKIN_ACCENT} --force
    DEPENDS skinrender ${SKIN_SRC_DIR}/compiled.manifest ${SKIN_SRC_DIR}/loading.svg
    COMMENT "Rendering the busy animation"
    VERBATIM)
file(CONFIGURE OUTPUT ${SKIN_RC_DIR}/skin.qrc CONTENT
"<RCC>
  <qresource prefix=\"/skin\">
    <file>loading.gif</file>
  </qresource>
</RCC>
")
qt5_add_resources(SKIN_RC_SOURCES ${SKIN_RC_DIR}/skin.qrc)
set_source_files_properties(${SKIN_RC_SOURCES} PROPERTIES SKIP_AUTOGEN ON)
# The resource sits in a static library: SkinResources::init() references it so it is linked.
target_sources(mousecfg_widgets PRIVATE ${SKIN_RC_SOURCES})

# A picture of the skin laid out like the main window (scripts/skin-preview.sh).
add_executable(skinpreview ${CMAKE_SOURCE_DIR}/tools/skinpreview/main.cpp)
target_link_libraries(skinpreview PRIVATE mousecfg_ui)
set_target_properties(skinpreview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
