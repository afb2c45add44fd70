# Helpers that keep every subsystem and test target declared the same way.

# ondrix_add_library(<subsystem> SOURCES <files...> [DEPS <targets...>])
# Creates the static library ondrix_<subsystem>; its folder's parent (src/) is the include root,
# so code includes "model/PushConnection.h".
function(ondrix_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(ondrix_${name} STATIC ${ARG_SOURCES})
    target_include_directories(ondrix_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(ondrix_${name} PUBLIC ${ARG_DEPS} PRIVATE ondrix_warnings)
endfunction()

# ondrix_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>]
#                 [RESOURCE_LOCK <locks...>] [TIMEOUT <seconds>] [GUI])
# One GoogleTest executable per test file; its main() runs inside a QCoreApplication, or with GUI inside a
# QApplication on the offscreen platform (screenshots go to <build>/screenshots).
function(ondrix_add_test name)
    cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS;RESOURCE_LOCK" ${ARGN})
    if(ARG_GUI)
        add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/ui/UiTestMain.cpp)
        target_link_libraries(${name} PRIVATE ondrix_ui_test_support)
    else()
        add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
    endif()
    target_link_libraries(${name} PRIVATE ondrix_test_support ${ARG_LIBS} ondrix_warnings)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ONDRIX_SCREENSHOT_DIR=${PROJECT_BINARY_DIR}/screenshots;ONDRIX_SOURCE_DIR=${PROJECT_SOURCE_DIR};ONDRIX_KEYWORD_MODULE=${ONDRIX_KEYWORD_MODULE_BUILD_DIR}/iptc.so;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
    if(ARG_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${ARG_RESOURCE_LOCK}")
    endif()
endfunction()
