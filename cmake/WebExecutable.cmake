# Built with emscripten for the browser.

# The download is the start-up: a release is made as small as it can be,
# down to the optimiser that emscripten runs on the whole program at link.
add_compile_options("$<$<CONFIG:Release>:-Oz>")
add_link_options("$<$<CONFIG:Release>:-Oz>")

# Errors the logic raises are C++ exceptions, caught where the window
# reports them, as on the desktop. Qt, built without exceptions, has every
# program leave catching out; this one compiles its own code with them and
# has them caught.
add_compile_options(-fexceptions)
get_target_property(qt_link_options Qt6::Platform INTERFACE_LINK_OPTIONS)
list(TRANSFORM qt_link_options REPLACE "DISABLE_EXCEPTION_CATCHING=1" "DISABLE_EXCEPTION_CATCHING=0")
set_target_properties(Qt6::Platform PROPERTIES INTERFACE_LINK_OPTIONS "${qt_link_options}")

# Emscripten's link writes the program as two files, the .js and the .wasm,
# which work only as a pair. A link that failed halfway would leave a new
# .wasm beside an old .js, which the next build would take for done; so both
# go before each link, and a failed link leaves neither.
set(CMAKE_CXX_LINK_EXECUTABLE "${CMAKE_COMMAND} -D program=<TARGET> \
-P ${CMAKE_CURRENT_LIST_DIR}/RemoveWebProgram.cmake && ${CMAKE_CXX_LINK_EXECUTABLE}")

# The page and the test runner set the program's environment before it
# starts.
set(QT_WASM_EXTRA_EXPORTED_METHODS ENV)
