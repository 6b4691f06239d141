# Writes the web release's own two files once the program is built:
# index.html, which must know the size of the program's download, and
# service-worker.js, which keeps every file of the release and must know
# their names and contents.
#   cmake -D WINDOW_TITLE=... -D WINDOW_WIDTH=... -D WINDOW_HEIGHT=... -D WINDOW_COLOUR=...
#         -D PROJECT_DESCRIPTION=...
#         -D PAGE=index.html.in -D WORKER=service-worker.js.in -D OUTPUT_DIR=<dir>
#         -D FILES=<the release's other files> -D MINIFY=<minify.py's command>
#         -P ReleaseFiles.cmake

# The program's download, its WebAssembly, as it arrives in the page, unpacked.
set(program ${FILES})
list(FILTER program INCLUDE REGEX "/courier-firms\\.wasm$")
file(SIZE ${program} DOWNLOAD_BYTES)
configure_file(${PAGE} ${OUTPUT_DIR}/index.full.html @ONLY)
execute_process(COMMAND ${MINIFY} ${OUTPUT_DIR}/index.full.html ${OUTPUT_DIR}/index.html
    COMMAND_ERROR_IS_FATAL ANY)

# Every file with its SHA-256 sum, and the release named after them all.
set(RELEASE_FILES "")
foreach(file IN LISTS FILES ITEMS ${OUTPUT_DIR}/index.html)
    cmake_path(GET file FILENAME name)
    file(SHA256 ${file} sum)
    string(APPEND RELEASE_FILES "  \"${name}\": \"${sum}\",\n")
endforeach()
string(SHA256 RELEASE_ID "${RELEASE_FILES}")
string(SUBSTRING ${RELEASE_ID} 0 16 RELEASE_ID)
configure_file(${WORKER} ${OUTPUT_DIR}/service-worker.full.js @ONLY)
execute_process(COMMAND ${MINIFY} ${OUTPUT_DIR}/service-worker.full.js ${OUTPUT_DIR}/service-worker.js
    COMMAND_ERROR_IS_FATAL ANY)
