#!/usr/bin/python3
"""Compiles the Windows resource script with the MinGW resource compiler,
reads the result back, and checks that it holds the icon (a 32 x 32,
256-colour image among its sizes) and version information matching the
project: numeric version, the version string the program shows, and the
program's name as the desktop entry gives it, in Bulgarian and in English.
The Bulgarian name coming back intact shows that the UTF-8 code page was
honoured.

usage: check_rc.py WINDRES RC_FILE_OR_EXE ICON_DIR DESKTOP_FILE VERSION DISPLAY_VERSION
"""
import configparser
import re
import subprocess
import sys
import tempfile

windres, rc_file, icon_dir, desktop_file, version, display_version = sys.argv[1:7]
failures = []


def fail(message):
    failures.append(message)


def rc_string(literal):
    """The text of a string as windres writes it back: "..." or L"..." with
    C escapes, \\xNNNN for wide characters."""
    wide = literal.startswith("L")
    body = literal[2:-1] if wide else literal[1:-1]
    pattern = r"\\x([0-9a-fA-F]{4})" if wide else r"\\x([0-9a-fA-F]{2})"
    body = re.sub(pattern, lambda m: chr(int(m.group(1), 16)), body)
    return re.sub(r"\\([0-7]{1,3})", lambda m: chr(int(m.group(1), 8)), body)


with tempfile.TemporaryDirectory() as work:
    # A built program's resources are read back as they are; a script is
    # compiled first. It includes no headers, so the host's C preprocessor
    # serves; the MinGW C compiler need not be installed.
    exe = rc_file.endswith(".exe")
    res, source_format = (rc_file, ["-J", "coff"]) if exe else (f"{work}/a.res", [])
    if not exe:
        subprocess.run([windres, "--preprocessor=cpp", "-I", icon_dir, "-O", "res",
                        "-i", rc_file, "-o", res], check=True)
    text = subprocess.run([windres, *source_format, "-i", res, "-O", "rc"], check=True,
                          capture_output=True, text=True).stdout

# Group icon entries: "\040\040\000\000", 1, 8, 0x8a8L, 2,  (width height
# colours pad as octal bytes, planes, bits per pixel, ...)
icons = [(int(w, 8), int(h, 8), int(bits))
         for w, h, bits in re.findall(r'"\\(\d{3})\\(\d{3})\\\d{3}\\\d{3}", \d+, (\d+),', text)]
if (32, 32, 8) not in icons:
    fail(f"no 32 x 32 8-bit icon; icons (width, height, bits): {icons}")

numeric = ", ".join(version.split("."))
for key in ["FILEVERSION", "PRODUCTVERSION"]:
    match = re.search(rf"^\s*{key} (.*)$", text, re.MULTILINE)
    if not match or match.group(1).strip() != numeric:
        fail(f"{key} is {match.group(1) if match else None!r}, expected {numeric!r}")

blocks = {}
for block, body in re.findall(r'BLOCK "([0-9a-fA-F]{8})"\s*BEGIN(.*?)END', text, re.DOTALL):
    blocks[block.lower()] = {key: rc_string(value) for key, value in
                             re.findall(r'VALUE "(\w+)", (L?"[^"]*")', body)}

entry = configparser.ConfigParser(interpolation=None)
entry.optionxform = str
entry.read(desktop_file, encoding="utf-8")
names = {"040204b0": entry["Desktop Entry"]["Name[bg]"],    # Bulgarian
         "040904b0": entry["Desktop Entry"]["Name"]}        # English
for block, name in names.items():
    strings = blocks.get(block)
    if strings is None:
        fail(f"no string block {block}; blocks: {list(blocks)}")
        continue
    for key in ["FileVersion", "ProductVersion"]:
        if strings.get(key) != display_version:
            fail(f"{block} {key} is {strings.get(key)!r}, expected {display_version!r}")
    if strings.get("ProductName") != name:
        fail(f"{block} ProductName is {strings.get('ProductName')!r}, expected {name!r}")
    if not strings.get("FileDescription"):
        fail(f"{block} has no FileDescription")

for failure in failures:
    print(f"FAIL: {failure}", file=sys.stderr)
print(f"icons {icons}; string blocks {sorted(blocks)}")
sys.exit(1 if failures else 0)
