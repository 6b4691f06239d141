# Optimised builds (Release, RelWithDebInfo) are hardened as Debian hardens
# its packages: stack protector, fortified C library calls, a position
# independent executable, and relocations made read-only at start. In a
# browser the program runs in the browser's own sandbox, and emscripten's C
# library has no guard for the stack protector.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" OR APPLE OR WIN32 OR EMSCRIPTEN)
    return()
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(optimised "$<CONFIG:Release,RelWithDebInfo>")
add_compile_options("$<${optimised}:-fstack-protector-strong>")
add_link_options("$<${optimised}:LINKER:-z,relro,-z,now>")

# AddressSanitizer replaces the fortified calls with checks of its own, and
# the two together report errors that are not there; a build that names
# _FORTIFY_SOURCE itself keeps its own level.
if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize=[^ ]*address|_FORTIFY_SOURCE")
    add_compile_definitions("$<${optimised}:_FORTIFY_SOURCE=2>")
endif()
