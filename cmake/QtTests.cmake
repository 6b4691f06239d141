# add_qt_test(<name> SOURCES ... LIBRARIES ... [ENVIRONMENT ...])
# Builds one Qt Test executable and registers it with CTest. Tests never need
# a display: widgets are drawn by the offscreen platform.
function(add_qt_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;ENVIRONMENT")
    qt_add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${arg_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${arg_ENVIRONMENT}")
endfunction()

# Registers another run of an existing test with the system locale set to
# each of the given locales. The test receives the locale it should see in
# EXPECTED_SYSTEM_LOCALE, so a run that did not get it fails.
function(add_locale_runs name)
    foreach(locale IN LISTS ARGN)
        string(REGEX REPLACE "\\..*$" "" expected "${locale}")
        add_test(NAME ${name}_${expected} COMMAND ${name})
        set_tests_properties(${name}_${expected} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=${locale};LC_ALL=${locale};EXPECTED_SYSTEM_LOCALE=${expected}")
    endforeach()
endfunction()
