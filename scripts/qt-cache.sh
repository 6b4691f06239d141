# Sourced by scripts/windows and scripts/web: Qt built for another platform
# once, kept in a cache outside the repository ($COURIER_FIRMS_CACHE if set,
# otherwise ~/.cache/courier-firms) and named after what it is built from.

# cached_qt NAME WHAT "PACKAGE..." RECIPE [FILE...]
# Sets QT to the folder of Qt for NAME built by the script RECIPE, building
# it first when the cache holds none built from the same RECIPE, FILEs and
# Debian versions of the PACKAGEs. WHAT names the platform in messages.
cached_qt() {
    local name=$1 what=$2 packages=$3 recipe=$4
    shift 4
    local hash cache
    # shellcheck disable=SC2086 # the package names, one word each
    hash=$({
        cat "$recipe" "$@"
        dpkg-query -W -f='${source:Version} ${Version}\n' $packages
    } | sha256sum | cut -c1-16)
    cache=$(cache_folder)
    QT=$cache/qt-$name-$hash
    [ ! -f "$QT/lib/cmake/Qt6/Qt6Config.cmake" ] || return 0

    echo "courier-firms: building Qt for $what into $QT; this is done once and takes" \
        "up to half an hour on two cores"
    mkdir -p "$cache"
    # Built aside and moved in whole: an interrupted build leaves no Qt that
    # later runs would take for a finished one. Qt built from an older
    # recipe goes.
    rm -rf "$QT.partial"
    "$recipe" "$QT.partial"
    mv "$QT.partial" "$QT"
    find "$cache" -mindepth 1 -maxdepth 1 -name "qt-$name-*" ! -name "qt-$name-$hash" \
        -exec rm -rf {} +
}
