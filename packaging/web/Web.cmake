# courier-firms in a browser: a folder of static files that any web server
# serves as it stands, and nothing fetched from anywhere else: the page
# (index.html), Qt's loader, the program as JavaScript and WebAssembly, and
# its icon. `cmake --install` writes the folder; `cpack` in the build
# directory packs it as courier-firms-<version>-web.zip, the folder inside.

# The page is titled as the window is; the form says what that is.
file(READ ${PROJECT_SOURCE_DIR}/window/mainform.ui form)
if(NOT form MATCHES "<property name=\"windowTitle\">[ \n]*<string[^>]*>([^<]*)</string>")
    message(FATAL_ERROR "window/mainform.ui names no window title for the web page")
endif()
set(WINDOW_TITLE "${CMAKE_MATCH_1}")
configure_file(web/index.html.in web/index.html @ONLY)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/web/index.html ${icons}/courier-firms.png
    $<TARGET_FILE:courier-firms> $<TARGET_FILE_DIR:courier-firms>/courier-firms.wasm
    $<TARGET_FILE_DIR:courier-firms>/qtloader.js
    DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_VERSION ${PROJECT_DISPLAY_VERSION})
set(CPACK_PACKAGE_FILE_NAME courier-firms-${PROJECT_DISPLAY_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

include(CPack)
