# `cmake --build <dir> --target format` rewrites every tracked C++ file with the repository's .clang-format;
# `format-check` fails when one is not formatted.
find_program(CLANG_FORMAT_PROGRAM NAMES clang-format clang-format-14)
if(CLANG_FORMAT_PROGRAM)
    file(GLOB_RECURSE ONDRIX_FORMAT_FILES CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
        ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
        ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h
        ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
    add_custom_target(format COMMAND ${CLANG_FORMAT_PROGRAM} -i ${ONDRIX_FORMAT_FILES}
        COMMENT "Formatting C++ sources" VERBATIM)
    add_custom_target(format-check COMMAND ${CLANG_FORMAT_PROGRAM} --dry-run -Werror ${ONDRIX_FORMAT_FILES}
        COMMENT "Checking C++ formatting" VERBATIM)
endif()
