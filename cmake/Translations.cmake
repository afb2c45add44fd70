# Interface languages. The .ts sources in resources/translations are refreshed from the code with
# `cmake --build <dir> --target update_translations`; the compiled .qm files are built into ondrix_app_core
# under ":/i18n". The suite fails on an unfinished entry (tests/app/TranslationsTest).
#
# English is the language of the source texts, so its file holds only the messages with a count (%n): their
# singular and plural forms. It is loaded whenever the interface shows English.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(ONDRIX_LANGUAGES de fr es it ja pt_BR)
set(ONDRIX_TS_FILES)
foreach(language ${ONDRIX_LANGUAGES})
    list(APPEND ONDRIX_TS_FILES ${PROJECT_SOURCE_DIR}/resources/translations/ondrix_${language}.ts)
endforeach()
set(ONDRIX_PLURALS_TS_FILE ${PROJECT_SOURCE_DIR}/resources/translations/ondrix_en.ts)
file(GLOB_RECURSE ONDRIX_TRANSLATABLE_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
set(ONDRIX_LUPDATE_OPTIONS -no-obsolete -locations none)
qt_add_lupdate(ondrix_app_core
    TS_FILES ${ONDRIX_TS_FILES}
    SOURCES ${ONDRIX_TRANSLATABLE_SOURCES}
    OPTIONS ${ONDRIX_LUPDATE_OPTIONS})
# The English file is refreshed from the project description the step above writes, keeping only the
# messages with plural forms.
add_custom_target(ondrix_app_core_plurals_lupdate
    COMMAND Qt6::lupdate -project ${CMAKE_CURRENT_BINARY_DIR}/.lupdate/ondrix_app_core_project.json
            -ts ${ONDRIX_PLURALS_TS_FILE} -pluralonly ${ONDRIX_LUPDATE_OPTIONS}
    VERBATIM)
add_dependencies(ondrix_app_core_plurals_lupdate ondrix_app_core_lupdate)
add_dependencies(update_translations ondrix_app_core_plurals_lupdate)
qt_add_lrelease(ondrix_app_core
    TS_FILES ${ONDRIX_TS_FILES} ${ONDRIX_PLURALS_TS_FILE}
    QM_FILES_OUTPUT_VARIABLE ONDRIX_QM_FILES)
qt_add_resources(ondrix_app_core ondrix_app_core_translations
    PREFIX "/i18n"
    BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${ONDRIX_QM_FILES})
