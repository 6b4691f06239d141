# Removes a program built for the web, its .js and the .wasm beside it:
#   cmake -D program=<path>.js -P RemoveWebProgram.cmake
string(REGEX REPLACE "\\.js$" ".wasm" wasm "${program}")
file(REMOVE "${program}" "${wasm}")
