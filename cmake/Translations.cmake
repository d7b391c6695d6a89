# Interface translations: resources/lang/<lang>.ts compiled to .qm at build time, carried in the
# UI library under :/lang/ and laid into the application folder's lang/, which is where the
# language switch loads them from.
find_package(Qt5 5.15 REQUIRED COMPONENTS LinguistTools)

set(LANG_TS_FILES
    ${CMAKE_SOURCE_DIR}/resources/lang/en.ts
    ${CMAKE_SOURCE_DIR}/resources/lang/sc.ts
    ${CMAKE_SOURCE_DIR}/resources/lang/tc.ts)
set(LANG_QM_DIR ${CMAKE_BINARY_DIR}/lang-qm)
file(MAKE_DIRECTORY ${LANG_QM_DIR})
set_source_files_properties(${LANG_TS_FILES} PROPERTIES OUTPUT_LOCATION ${LANG_QM_DIR})
qt5_add_translation(LANG_QM_FILES ${LANG_TS_FILES})

set(LANG_QRC_ENTRIES "")
foreach(qm IN LISTS LANG_QM_FILES)
    get_filename_component(qm_name ${qm} NAME)
    string(APPEND LANG_QRC_ENTRIES "    <file>${qm_name}</file>\n")
endforeach()
file(CONFIGURE OUTPUT ${LANG_QM_DIR}/lang.qrc CONTENT
"<RCC>
  <qresource prefix=\"/lang\">
${LANG_QRC_ENTRIES}  </qresource>
</RCC>
")
qt5_add_resources(LANG_RC_SOURCES ${LANG_QM_DIR}/lang.qrc)
set_source_files_properties(${LANG_RC_SOURCES} PROPERTIES SKIP_AUTOGEN ON)
# LanguageSwitcher registers the resource with Q_INIT_RESOURCE(lang).
target_sources(mousecfg_ui PRIVATE ${LANG_RC_SOURCES})

add_custom_target(lang_folder ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MOUSECFG_APP_DIR}/lang
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${LANG_QM_FILES} ${MOUSECFG_APP_DIR}/lang/
    DEPENDS ${LANG_QM_FILES}
    COMMENT "Laying the translations into ${MOUSECFG_APP_DIR}/lang"
    VERBATIM)
add_dependencies(mousecfg lang_folder)
