#!/usr/bin/env bash
# Unpacks the program from the Debian package and checks under Xvfb that it
# opens its window and ends cleanly when the window is closed.
# usage: deb_starts.sh DEB_DIR
set -euo pipefail
deb_dir=$1
here=$(dirname "$0")

debs=("$deb_dir"/courier-firms_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
    { echo "FAIL: expected one package in $deb_dir, found: ${debs[*]}" >&2; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "${debs[0]}" "$root"

/usr/bin/python3 "$here/open_and_close.py" "$root/usr/bin/courier-firms"
