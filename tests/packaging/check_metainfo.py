#!/usr/bin/python3
"""Validates the AppStream metainfo file and checks that it describes this
program: its id, the desktop entry it launches and, as the newest release,
the version the program shows.

usage: check_metainfo.py METAINFO APP_ID DISPLAY_VERSION
"""
import subprocess
import sys
import xml.etree.ElementTree as ET

metainfo, app_id, display_version = sys.argv[1:4]
failures = []

# --strict fails on warnings and infos as well as errors; pedantic hints are
# shown only. AppStream before 1.0 (Debian 12) does not know <developer>,
# which 1.0 asks for in place of <developer_name>, and says so as an info:
# that one is let pass there.
validate = subprocess.run(
    ["appstreamcli", "validate", "--no-net", "--pedantic", "--strict", metainfo],
    capture_output=True, text=True)
print(validate.stdout, validate.stderr, sep="", end="")
version = subprocess.run(["appstreamcli", "--version"], capture_output=True, text=True).stdout
issues = [line for line in validate.stdout.splitlines() if line[:3] in ("E: ", "W: ", "I: ")]
if version.split()[-1].startswith("0."):
    issues = [line for line in issues if not line.startswith("I: ") or
              not line.endswith(": unknown-tag developer")]
if issues or (validate.returncode != 0 and not validate.stdout):
    failures.append(f"appstreamcli validate failed ({validate.returncode}): {issues}")

root = ET.parse(metainfo).getroot()
if root.findtext("id") != app_id:
    failures.append(f"id is {root.findtext('id')!r}, expected {app_id!r}")
launchables = [l.text for l in root.findall("launchable[@type='desktop-id']")]
if launchables != [f"{app_id}.desktop"]:
    failures.append(f"desktop launchables are {launchables}, expected {app_id}.desktop")

# AppStream lists releases newest first.
releases = root.findall("releases/release")
newest = releases[0].get("version") if releases else None
if newest != display_version:
    failures.append(f"newest release is {newest!r}, the program shows {display_version!r}")

for failure in failures:
    print(f"FAIL: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
