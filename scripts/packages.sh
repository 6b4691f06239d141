# Sourced by the run and test scripts: installs Debian packages that are
# missing, as root or through sudo, and stops with a clear message when that
# cannot be done.

fail() {
    echo "courier-firms: $*" >&2
    exit 1
}

# The folder where the scripts keep what they build once and reuse: Qt for
# other platforms, bare Debian roots, downloaded packages.
cache_folder() {
    echo "${COURIER_FIRMS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/courier-firms}"
}

# The code name of this machine's Debian release: bookworm (12), trixie (13).
debian_release() {
    (. /etc/os-release && echo "$VERSION_CODENAME")
}

# How every script configures build/, with the compiler named as scripts/test
# names it: were one script to find another compiler there, CMake would empty
# the cache and drop the options given with it, the build type among them.
BUILD_OPTIONS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    command -v apt-get >/dev/null || fail "apt-get not found; install these packages by hand: ${missing[*]}"
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null ||
            fail "these packages are missing and installing them needs root or sudo: ${missing[*]}"
        as_root=(sudo)
    fi
    echo "courier-firms: installing ${missing[*]}"
    wait_for_package_manager
    "${as_root[@]}" apt-get update -q ||
        fail "apt-get update failed; check the network and the package sources"
    wait_for_package_manager
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
        -o DPkg::Lock::Timeout=60 "${missing[@]}" ||
        fail "could not install: ${missing[*]}"
}

# The package manager's locks: its package lists, its downloads, and dpkg.
PACKAGE_MANAGER_LOCKS=(/var/lib/apt/lists/lock /var/cache/apt/archives/lock
    /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock)

# Prints which process holds one of the package manager's locks, if any:
# "process 1234 (unattended-upgr)".
package_manager_holder() {
    local inodes
    inodes=$(stat -c %i "${PACKAGE_MANAGER_LOCKS[@]}" 2>/dev/null) || true
    lslocks -n -r -o PID,COMMAND,INODE | awk -v inodes="$inodes" '
        BEGIN { split(inodes, list); for (i in list) lock[list[i]] }
        $3 in lock { print "process " $1 " (" $2 ")"; exit }'
}

# A freshly started desktop often has the automatic updates or a software
# centre holding the package manager for a minute or more: wait up to five
# minutes for it, saying so, before giving up. apt-get itself waits a little
# too, should another program take the lock in between.
wait_for_package_manager() {
    local holder waited=0
    while holder=$(package_manager_holder) && [ -n "$holder" ]; do
        [ $waited -lt 300 ] ||
            fail "the package manager is still busy after 5 minutes: $holder holds it; try again once it has finished"
        [ $waited -gt 0 ] ||
            echo "courier-firms: waiting for the package manager, which $holder holds (up to 5 minutes)"
        sleep 5
        waited=$((waited + 5))
    done
}

# What building the program needs.
# The window is drawn in Times New Roman: Liberation Serif has the same
# measures and stands in for it on Debian.
# Qt's X11 and offscreen platform plugins come with libqt6gui6.
BUILD_PACKAGES=(build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation2)
# Qt's own texts (menus, message box buttons) in Bulgarian, read at run time;
# the tests check them too.
BUILD_PACKAGES+=(qt6-translations-l10n)

# What the tests need on top.
TEST_PACKAGES=()

# The end-to-end test: a real X server, mouse clicks, a screenshot, and the
# accessibility bus read from Python.
E2E_TEST_PACKAGES=(xvfb xauth xdotool imagemagick dbus-daemon at-spi2-core python3-pyatspi python3-xlib)
TEST_PACKAGES+=("${E2E_TEST_PACKAGES[@]}")

# The packaging tests: the desktop entry and AppStream validators, cpack's
# dependency list (dpkg-shlibdeps), lintian, starting the packaged program in
# Xvfb, and the MinGW resource compiler for the Windows resource script.
PACKAGING_TEST_PACKAGES=(python3 dpkg-dev desktop-file-utils appstream lintian xvfb xdotool python3-xlib
    dbus-daemon binutils-mingw-w64-x86-64)
TEST_PACKAGES+=("${PACKAGING_TEST_PACKAGES[@]}")

# The program natively on Wayland, under a headless compositor.
WAYLAND_TEST_PACKAGES=(weston qt6-wayland)
TEST_PACKAGES+=("${WAYLAND_TEST_PACKAGES[@]}")

# What the benchmarks need on top.
BENCH_PACKAGES=(libbenchmark-dev libxcb1-dev xvfb xauth)

# The sanitizer build, made with Clang (AddressSanitizer with its leak
# checker, and UndefinedBehaviorSanitizer, from Clang's runtime library, of
# the release's own Clang version: 14 on Debian 12, 19 on Debian 13), and
# the error-path and leak tests, which run the program in Xvfb and read it
# through the accessibility bus.
ROBUSTNESS_TEST_PACKAGES=(clang libclang-rt-dev python3 python3-xlib python3-pyatspi xvfb xdotool
    dbus-daemon at-spi2-core)
TEST_PACKAGES+=("${ROBUSTNESS_TEST_PACKAGES[@]}")

# The Windows build (scripts/windows): MinGW-w64 compilers, Debian's Qt
# source (apt-get source, dpkg-source) built with the installed Linux Qt as
# host tools, Qt's Bulgarian catalogue and the window's font, Wine to run the
# tests, NSIS for the installer, and for the installer's test a virtual
# screen driven from Python as in the end-to-end tests.
WINDOWS_PACKAGES=(cmake ninja-build dpkg-dev patch perl qt6-base-dev qt6-base-dev-tools
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis
    qt6-translations-l10n fonts-liberation2
    xvfb xauth xdotool imagemagick dbus-daemon python3 python3-xlib)

# The web build (scripts/web): Debian's emscripten and node, Debian's Qt
# source built with the installed Linux Qt as host tools, Qt's Bulgarian
# catalogue and the window's font to carry inside, the SVG renderer that
# draws the app's icons, and for the tests Debian's Chromium, headless,
# driven from Python, and Pillow to read its screenshots.
WEB_PACKAGES=(cmake ninja-build dpkg-dev patch perl qt6-base-dev qt6-base-dev-tools
    emscripten nodejs qt6-translations-l10n fonts-liberation2 librsvg2-bin
    chromium chromium-driver python3-selenium python3-pil python3)
# The window's font cut to what it shows, with fontTools.
WEB_PACKAGES+=(python3-fonttools)
# The release's JavaScript minified with terser, its files packed with
# brotli and gzip for a server to hand out as they are, and for the tests
# Debian's nginx and Apache serving them with the release's configuration,
# read back with Python's brotli. Installing the servers starts Debian's own
# on port 80 where the machine runs services; the test starts its own on a
# free port of 127.0.0.1.
WEB_PACKAGES+=(terser brotli gzip nginx libnginx-mod-http-brotli-static apache2 python3-brotli)

# What the web benchmark needs on top: brotli, to count a first visit's
# bytes as a server sends them, and a DevTools connection to the browser,
# for its trace.
WEB_BENCH_PACKAGES=(python3-brotli python3-websocket)
