# Sourced by scripts/windows-qt and scripts/web-qt: how courier-firms builds
# Qt from Debian's own qt6-base source, and what every such Qt leaves out,
# said once. Each recipe adds only what is its platform's own.

# Static release libraries compiled for size, with the installed Linux Qt's
# moc, rcc and uic as the build's tools, and Qt's own copies of the
# libraries it draws text and reads PNG with. Left out, as the program and
# its tests never reach them: the modules, image formats other than PNG,
# rich-text formats other than HTML, dialogs and widgets the window has none
# of (the accessibility of every widget Qt keeps comes with it), style
# sheets, tablet events, session management, Qt's own tools, and plugins
# loaded from disk: the program links in every plugin it needs.
QT_COMMON_OPTIONS=(
    -release -static -optimize-size -nomake examples -nomake tests -qt-host-path /usr
    -qt-zlib -qt-pcre -qt-libpng -qt-freetype -qt-harfbuzz -qt-doubleconversion
    -no-icu -no-zstd -no-libjpeg -no-gif -no-ico
    -no-dbus -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent -no-feature-vulkan
    -no-feature-imageformat_bmp -no-feature-imageformat_ppm -no-feature-imageformat_xbm
    -no-feature-movie -no-feature-pdf
    -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-colordialog -no-feature-filedialog -no-feature-fontdialog -no-feature-wizard
    -no-feature-inputdialog -no-feature-progressdialog -no-feature-errormessage
    -no-feature-calendarwidget -no-feature-datetimeedit -no-feature-spinbox -no-feature-combobox
    -no-feature-dial -no-feature-lcdnumber -no-feature-progressbar -no-feature-splashscreen
    -no-feature-mdiarea -no-feature-graphicsview -no-feature-statusbar
    -no-feature-toolbox -no-feature-splitter
    -no-feature-treeview -no-feature-tableview -no-feature-columnview -no-feature-undoview
    -no-feature-commandlinkbutton -no-feature-radiobutton -no-feature-keysequenceedit
    -no-feature-textbrowser -no-feature-syntaxhighlighter -no-feature-sizegrip
    -no-feature-style-stylesheet -no-feature-tabletevent -no-feature-sessionmanager
    -no-feature-androiddeployqt -no-feature-windeployqt -no-feature-qmake
    -no-feature-library
)

# unpack_qt_source WORK PATCH...
# Fetches and unpacks Debian's Qt source into WORK/src, applies the PATCHes,
# and removes WORK when the script ends.
unpack_qt_source() {
    QT_WORK=$1
    shift
    rm -rf "$QT_WORK"
    trap 'rm -rf "$QT_WORK"' EXIT
    scripts/qt-source "$QT_WORK"
    local patch
    for patch in "$@"; do
        patch -d "$QT_WORK/src" -p1 --quiet <"$patch" || fail "$patch does not apply to Debian's Qt source"
    done
}

# build_qt WHAT PREFIX OPTION... -- CMAKE_OPTION...
# Configures the unpacked source with the common options and the given
# ones, the installed Linux Qt serving as host tools, builds it, and
# installs it into PREFIX. Qt records a fixed prefix, the folder of no
# builder; the compiler writes no folder of the build's into the libraries;
# and Qt's resources carry the time of Debian's source, not of the build:
# the same recipe gives the same Qt whenever and wherever it is built and
# kept. WHAT names the platform in messages.
build_qt() {
    local what=$1 prefix=$2 version
    shift 2
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$QT_WORK/src/debian/changelog" -S Timestamp)
    export SOURCE_DATE_EPOCH
    mkdir "$QT_WORK/build"
    (cd "$QT_WORK/build" &&
        CFLAGS="-ffile-prefix-map=$QT_WORK/=" CXXFLAGS="-ffile-prefix-map=$QT_WORK/=" \
            ../src/configure -prefix "/usr/local/Qt-$version" -extprefix "$prefix" \
            "${QT_COMMON_OPTIONS[@]}" "$@" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            >configure.log 2>&1) ||
        { tail -40 "$QT_WORK/build/configure.log" >&2; fail "configuring Qt for $what failed (see above)"; }
    cmake --build "$QT_WORK/build" --parallel "$(nproc)" ||
        fail "building Qt for $what failed (see above)"
    cmake --install "$QT_WORK/build" >/dev/null ||
        fail "installing Qt for $what into $prefix failed"
}
