# Interface languages. The .ts sources in resources/translations are refreshed from the code with
# `cmake --build <dir> --target update_translations`; the compiled .qm files are built into ondrix_app_core
# under ":/i18n". The suite fails on an unfinished entry (tests/app/TranslationsTest).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(ONDRIX_LANGUAGES de fr es it ja pt_BR)
set(ONDRIX_TS_FILES)
foreach(language ${ONDRIX_LANGUAGES})
    list(APPEND ONDRIX_TS_FILES ${PROJECT_SOURCE_DIR}/resources/translations/ondrix_${language}.ts)
endforeach()
file(GLOB_RECURSE ONDRIX_TRANSLATABLE_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
qt_add_translations(ondrix_app_core
    TS_FILES ${ONDRIX_TS_FILES}
    SOURCES ${ONDRIX_TRANSLATABLE_SOURCES}
    RESOURCE_PREFIX "/i18n"
    LUPDATE_OPTIONS -no-obsolete -locations none)
