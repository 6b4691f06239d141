# A suite built for the web runs in node, through a runner that starts it as
# a page would, with its environment; node's own fetch would stand in the way
# of emscripten's.
if(EMSCRIPTEN)
    find_program(NODE node REQUIRED)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} --no-experimental-fetch
        ${CMAKE_CURRENT_LIST_DIR}/../tests/web/runsuite.js)
endif()

# add_qt_test(<name> SOURCES ... LIBRARIES ... [ENVIRONMENT ...])
# Builds one Qt Test executable and registers it with CTest. Tests never need
# a display: widgets are drawn by the offscreen platform.
function(add_qt_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;ENVIRONMENT")
    qt_add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${arg_LIBRARIES})
    # In node the suite ends when its main() returns, and its runner hands it
    # the environment.
    if(EMSCRIPTEN)
        target_link_options(${name} PRIVATE "SHELL:-s EXIT_RUNTIME=1")
        set_target_properties(${name} PROPERTIES QT_WASM_EXTRA_EXPORTED_METHODS ENV)
    endif()
    # A static Qt links in only the platform plugins named; the program
    # itself needs just the desktop's.
    if(WIN32)
        qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_qt_test_environment(${name} ${arg_ENVIRONMENT})
endfunction()

# set_qt_test_environment(<test> [VAR=value ...])
# Sets a test's environment: the offscreen platform and the given variables.
# Wine, which runs the Windows build's tests, does not pass the host's QT_
# variables on to the program, but passes WINEQT_ ones on as QT_; Qt Test's
# output reaches the terminal only when Qt is told to log to stderr; and the
# offscreen platform on Windows takes its fonts from one folder, the one
# scripts/wine-prefix puts the window's font in.
function(set_qt_test_environment test)
    set(environment QT_QPA_PLATFORM=offscreen ${ARGN})
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        list(APPEND environment QT_FORCE_STDERR_LOGGING=1 "QT_QPA_FONTDIR=C:/windows/Fonts")
        list(TRANSFORM environment REPLACE "^QT_" "WINEQT_")
    endif()
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# Registers another run of an existing test with the system locale set to
# each of the given locales. The test receives the locale it should see in
# EXPECTED_SYSTEM_LOCALE, so a run that did not get it fails. Windows has
# no C locale (Wine gives it US English), so the Windows build leaves that
# run out.
function(add_locale_runs name)
    foreach(locale IN LISTS ARGN)
        if(WIN32 AND locale STREQUAL "C")
            continue()
        endif()
        string(REGEX REPLACE "\\..*$" "" expected "${locale}")
        add_test(NAME ${name}_${expected} COMMAND ${name})
        set_qt_test_environment(${name}_${expected}
            LANG=${locale} LC_ALL=${locale} EXPECTED_SYSTEM_LOCALE=${expected})
    endforeach()
endfunction()
