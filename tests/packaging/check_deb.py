#!/usr/bin/python3
"""Checks the Debian package that CPack built: its name and fields, the files
the install rules promise, and the dependencies the program needs to run.

usage: check_deb.py DEB_DIR VERSION APP_ID
"""
import configparser
import gzip
import pathlib
import subprocess
import sys
import tempfile

deb_dir, version, app_id = sys.argv[1:4]
failures = []


def fail(message):
    failures.append(message)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


arch = run("dpkg", "--print-architecture").strip()
deb = pathlib.Path(deb_dir) / f"courier-firms_{version}_{arch}.deb"
if not deb.is_file():
    found = sorted(p.name for p in pathlib.Path(deb_dir).glob("*.deb"))
    sys.exit(f"FAIL: {deb.name} not built; the folder holds {found}")

for field, expected in [("Package", "courier-firms"), ("Version", version),
                        ("Architecture", arch), ("Section", "education")]:
    value = run("dpkg-deb", "-f", str(deb), field).strip()
    if value != expected:
        fail(f"{field} is {value!r}, expected {expected!r}")
if not run("dpkg-deb", "-f", str(deb), "Maintainer").strip():
    fail("no Maintainer")

# Depends is a comma-separated list of "name (>= version)" entries.
depends = run("dpkg-deb", "-f", str(deb), "Depends")
depends = {entry.split()[0] for entry in depends.replace("\n", " ").split(",") if entry.strip()}
# Qt's X11 platform plugin is in libqt6gui6; its Bulgarian texts in
# qt6-translations-l10n. Debian 13 names its libraries of 64-bit time with
# "t64": libqt6core6t64.
for package in ["libqt6widgets6", "libqt6gui6", "libqt6core6", "fonts-liberation2", "qt6-translations-l10n"]:
    if package not in depends and f"{package}t64" not in depends:
        fail(f"Depends lacks {package}: {sorted(depends)}")
recommends = run("dpkg-deb", "-f", str(deb), "Recommends").strip()
if "qt6-wayland" not in recommends.split(", "):
    fail(f"Recommends is {recommends!r}, without qt6-wayland (Wayland without XWayland)")

# "-rwxr-xr-x root/root 56688 2026-12-08 04:51 ./usr/bin/courier-firms"
listing = {}
for line in run("dpkg-deb", "-c", str(deb)).splitlines():
    fields = line.split(maxsplit=5)
    listing[fields[5].removeprefix(".")] = fields[0]

binary = "/usr/bin/courier-firms"
desktop = f"/usr/share/applications/{app_id}.desktop"
metainfo = f"/usr/share/metainfo/{app_id}.metainfo.xml"
for path in [binary, desktop, metainfo]:
    if path not in listing:
        fail(f"{path} missing from the package")
if not listing.get(binary, "").startswith("-rwx"):
    fail(f"{binary} is not an executable file: {listing.get(binary)}")

# What the desktop entry names must be in the package: its program and an
# icon in the hicolor theme, as a 32 x 32 PNG and as an SVG.
with tempfile.TemporaryDirectory() as root:
    subprocess.run(["dpkg-deb", "-x", str(deb), root], check=True)
    if pathlib.Path(root, desktop.lstrip("/")).is_file():
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(pathlib.Path(root, desktop.lstrip("/")), encoding="utf-8")
        section = entry["Desktop Entry"]
        if f"/usr/bin/{section.get('Exec', '').split()[0]}" != binary:
            fail(f"Exec={section.get('Exec')} is not the packaged {binary}")
        icon = section.get("Icon", "")
        for path in [f"/usr/share/icons/hicolor/32x32/apps/{icon}.png",
                     f"/usr/share/icons/hicolor/scalable/apps/{icon}.svg"]:
            if path not in listing:
                fail(f"Icon={icon}, but {path} is not in the package")
        png = pathlib.Path(root, f"usr/share/icons/hicolor/32x32/apps/{icon}.png")
        if png.is_file():
            # PNG header: the IHDR chunk holds width and height big-endian.
            data = png.read_bytes()
            size = (int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big"))
            if data[:8] != b"\x89PNG\r\n\x1a\n" or size != (32, 32):
                fail(f"{png.name} is not a 32 x 32 PNG: {size}")

    # A new version needs its changelog entry: "courier-firms (1.0.0) unstable; ..."
    # (1.0.0~deb13 is 1.0.0 built for Debian 13).
    changelog = pathlib.Path(root, "usr/share/doc/courier-firms/changelog.gz")
    if changelog.is_file():
        top = gzip.decompress(changelog.read_bytes()).decode().partition("\n")[0]
        if not top.startswith(f"courier-firms ({version.partition('~')[0]}) "):
            fail(f"the changelog's newest entry is {top!r}, the package is {version}")
    else:
        fail("no usr/share/doc/courier-firms/changelog.gz")

for failure in failures:
    print(f"FAIL: {failure}", file=sys.stderr)
print(f"{deb.name}: {len(listing)} entries, Depends: {', '.join(sorted(depends))}")
sys.exit(1 if failures else 0)
