# Sourced by the web scripts: sets up Debian's emscripten for Qt's build
# and for running its programs in node.

EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# use_debian_emscripten DIR
# Qt's configure asks emcc its version where an emsdk would keep it: DIR
# becomes a stand-in emsdk whose emcc is Debian's. Node finds emscripten's
# own JavaScript tools in Debian's node folder.
use_debian_emscripten() {
    mkdir -p "$1/emscripten"
    ln -sf /usr/bin/emcc "$1/emscripten/emcc"
    echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$1/.emscripten"
    export EMSDK=$1
    export NODE_PATH=/usr/share/nodejs
}
