# Lays out the application folder beside the executable from the chosen sample installation,
# so the tool runs straight from the build tree. Existing Configs files are kept: they are the
# user's profiles and settings once the tool has run.
set(MOUSECFG_MODEL_DIR ${CMAKE_SOURCE_DIR}/data/${MOUSECFG_MODEL})
if(NOT EXISTS ${MOUSECFG_MODEL_DIR}/DefaultProfile.bin)
    message(FATAL_ERROR "No sample installation data/${MOUSECFG_MODEL}")
endif()
add_custom_target(app_folder ALL
    COMMAND ${CMAKE_COMMAND}
        -DSRC=${MOUSECFG_MODEL_DIR} -DDST=${MOUSECFG_APP_DIR}
        -P ${CMAKE_SOURCE_DIR}/cmake/LayOutAppFolder.cmake
    COMMENT "Laying out the application folder for ${MOUSECFG_MODEL}"
    VERBATIM)
