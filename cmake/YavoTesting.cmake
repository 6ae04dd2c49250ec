# yavo_add_test(NAME SOURCES file... [LIBS target...])
#
# One QtTest program, registered with CTest. Every test runs headless and
# inside a throw-away home folder, so nothing reaches the real ~/.config or
# ~/.local even before the program's own sandbox (tests/support) is set up,
# and the input method never reaches the user's IBus daemon.
function(yavo_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE yavo_testsupport Qt5::Test ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set(home "${CMAKE_BINARY_DIR}/test-home/${name}")
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache;IBUS_ADDRESS=")
endfunction()

# Qt's test-data lookup takes a relative source path (ccache with a base
# folder hands the compiler those) as relative to QT_TESTCASE_BUILDDIR, which
# Qt sets to the top build folder; the compiler runs in the test's own.
set_property(TARGET Qt5::Test PROPERTY INTERFACE_COMPILE_DEFINITIONS
    "QT_TESTCASE_BUILDDIR=\"$<TARGET_PROPERTY:BINARY_DIR>\"")
