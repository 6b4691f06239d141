# courier-firms in a browser: a folder of static files that any web server
# serves as it stands, and nothing fetched from anywhere else: the page
# (index.html), which starts the program, the worker that downloads and
# compiles it (courier-firms-start.js), the program as JavaScript and
# WebAssembly, its icons, the web app manifest that lets a phone keep it as
# an app, and the service worker that keeps it for use without the network.
# The build writes the folder's own files into web/ of the build directory;
# `cmake --install` writes the folder; `cpack` in the build directory packs
# it as courier-firms-<version>-web.zip, the folder inside.

# What the page and the manifest say of the window, the form says: its title,
# its size and its colour.
file(READ ${PROJECT_SOURCE_DIR}/window/mainform.ui form)
if(NOT form MATCHES "<property name=\"windowTitle\">[ \n]*<string[^>]*>([^<]*)</string>")
    message(FATAL_ERROR "window/mainform.ui names no window title for the web page")
endif()
set(WINDOW_TITLE "${CMAKE_MATCH_1}")
if(NOT form MATCHES "<width>([0-9]+)</width><height>([0-9]+)</height>")
    message(FATAL_ERROR "window/mainform.ui gives the window no size")
endif()
set(WINDOW_WIDTH ${CMAKE_MATCH_1})
set(WINDOW_HEIGHT ${CMAKE_MATCH_2})
if(NOT form MATCHES "<colorrole role=\"Window\">[^<]*<brush[^>]*>[^<]*<color[^>]*><red>([0-9]+)</red><green>([0-9]+)</green><blue>([0-9]+)</blue>")
    message(FATAL_ERROR "window/mainform.ui gives the window no colour")
endif()
math(EXPR colour "(${CMAKE_MATCH_1} << 16) | (${CMAKE_MATCH_2} << 8) | ${CMAKE_MATCH_3}" OUTPUT_FORMAT HEXADECIMAL)
string(REGEX REPLACE "^0x" "" colour "00000${colour}")
string(REGEX REPLACE "^.*(......)$" "#\\1" WINDOW_COLOUR "${colour}")
# The app's name on a phone is the desktop's.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/org.example.courierfirms.desktop APP_NAME
    REGEX "^Name\\[bg\\]=" ENCODING UTF-8)
string(REGEX REPLACE "^Name\\[bg\\]=" "" APP_NAME "${APP_NAME}")

set(web ${CMAKE_CURRENT_BINARY_DIR}/web)
configure_file(web/courier-firms.webmanifest.in ${web}/courier-firms.webmanifest @ONLY)

# The icons a phone shows, drawn from the program's SVG.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
foreach(size 192 512)
    add_custom_command(OUTPUT ${web}/courier-firms-${size}.png
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${web}/courier-firms-${size}.png
            ${icons}/courier-firms.svg
        DEPENDS ${icons}/courier-firms.svg VERBATIM)
    list(APPEND web_icons ${web}/courier-firms-${size}.png)
endforeach()

# The page must know the size of the program's download, and the service
# worker the name and contents of every file: both are written once the
# program is built (web/ReleaseFiles.cmake).
set(program_dir $<TARGET_FILE_DIR:courier-firms>)

# The release's JavaScript, the program's and the worker's, made as small as
# it stays the same program (web/minify.py, with Debian's terser); the page
# and the service worker are once they are written.
find_program(SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(TERSER terser REQUIRED)
set(minify ${SYSTEM_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/web/minify.py ${TERSER})
add_custom_command(OUTPUT ${web}/courier-firms.js
    COMMAND ${minify} ${program_dir}/courier-firms.js ${web}/courier-firms.js
    DEPENDS courier-firms web/minify.py VERBATIM)
add_custom_command(OUTPUT ${web}/courier-firms-start.js
    COMMAND ${minify} ${CMAKE_CURRENT_SOURCE_DIR}/web/courier-firms-start.js ${web}/courier-firms-start.js
    DEPENDS web/courier-firms-start.js web/minify.py VERBATIM)
set(program_files ${web}/courier-firms-start.js ${web}/courier-firms.js ${program_dir}/courier-firms.wasm)
set(own_files ${icons}/courier-firms.png ${web}/courier-firms.webmanifest ${web_icons})
set(release_files ${program_files} ${own_files})
add_custom_command(OUTPUT ${web}/index.html ${web}/service-worker.js
    COMMAND ${CMAKE_COMMAND}
        -D "WINDOW_TITLE=${WINDOW_TITLE}" -D WINDOW_WIDTH=${WINDOW_WIDTH} -D WINDOW_HEIGHT=${WINDOW_HEIGHT}
        -D WINDOW_COLOUR=${WINDOW_COLOUR} -D "PROJECT_DESCRIPTION=${PROJECT_DESCRIPTION}"
        -D PAGE=${CMAKE_CURRENT_SOURCE_DIR}/web/index.html.in
        -D WORKER=${CMAKE_CURRENT_SOURCE_DIR}/web/service-worker.js.in -D OUTPUT_DIR=${web}
        -D "FILES=${release_files}" -D "MINIFY=${minify}"
        -P ${CMAKE_CURRENT_SOURCE_DIR}/web/ReleaseFiles.cmake
    DEPENDS courier-firms ${web}/courier-firms-start.js ${web}/courier-firms.js ${own_files} web/index.html.in
        web/service-worker.js.in web/ReleaseFiles.cmake web/minify.py
    VERBATIM)

# Beside each file but the icons, already packed small, the same file packed
# with brotli and with gzip, for a server to hand to a browser that takes it;
# and how nginx and Apache do so (courier-firms-nginx.conf, .htaccess).
find_program(BROTLI brotli REQUIRED)
find_program(GZIP gzip REQUIRED)
set(precompressed "")
foreach(file IN LISTS program_files ITEMS ${web}/courier-firms.webmanifest ${web}/index.html
        ${web}/service-worker.js)
    cmake_path(GET file FILENAME name)
    set(packed ${web}/${name})
    # The program's .wasm comes of its link, the others of rules here.
    set(made_by ${file})
    if(file MATCHES "\\.wasm$")
        set(made_by courier-firms)
    endif()
    add_custom_command(OUTPUT ${packed}.br ${packed}.gz
        COMMAND ${CMAKE_COMMAND} -D BROTLI=${BROTLI} -D GZIP=${GZIP} -D FILE=${file} -D OUTPUT=${packed}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/web/Precompress.cmake
        DEPENDS ${made_by} web/Precompress.cmake VERBATIM)
    list(APPEND precompressed ${packed}.br ${packed}.gz)
endforeach()
add_custom_target(web-release ALL DEPENDS ${web}/index.html ${web}/service-worker.js ${precompressed})

install(FILES ${web}/index.html ${web}/service-worker.js ${release_files} ${precompressed}
    web/courier-firms-nginx.conf DESTINATION .)
install(FILES web/htaccess DESTINATION . RENAME .htaccess)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_VERSION ${PROJECT_DISPLAY_VERSION})
set(CPACK_PACKAGE_FILE_NAME courier-firms-${PROJECT_DISPLAY_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

include(CPack)
