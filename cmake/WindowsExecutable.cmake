# Built with MinGW and a static Qt, the Windows program is one .exe that
# needs nothing beside it: Qt is linked in, and so are MinGW's own runtime
# libraries (libgcc, libstdc++, winpthread), which -static-libgcc and
# -static-libstdc++ alone would leave out. The linker writes no time stamp,
# so the same sources give the same bytes, and optimised builds leave the
# symbols out.
add_link_options(-static LINKER:--no-insert-timestamp
    "$<$<CONFIG:Release,MinSizeRel>:-s>")
