#!/usr/bin/python3
"""Checks that the README and the guides in docs/ say nothing that is not
there: every relative link and picture resolves (a #part to a heading of its
page), and every file or folder of the tree they name, scripts/... among
them, exists.

usage: check_links.py SOURCE_DIR
"""
import glob
import os
import re
import sys

root = sys.argv[1]
LINK = re.compile(r'\]\(([^)\s]+)\)|<img[^>]*\ssrc="([^"]+)"')
TREE_PATH = re.compile(r'(?<![\w/.("-])((?:app|bench|cmake|docs|logic|packaging|scripts|tests|window)/[\w./-]*)')


def anchors(page):
    """The #parts of a page, made from its headings as GitHub makes them."""
    with open(page, encoding="utf-8") as f:
        headings = re.findall(r"^#+ (.+)$", f.read(), re.MULTILINE)
    return {re.sub(r"[^\w\- ]", "", h.strip().lower()).replace(" ", "-") for h in headings}


failures = []
for page in [os.path.join(root, "README.md")] + sorted(glob.glob(os.path.join(root, "docs/*.md"))):
    name = os.path.relpath(page, root)
    with open(page, encoding="utf-8") as f:
        text = f.read()
    for match in LINK.finditer(text):
        link = match.group(1) or match.group(2)
        if re.match(r"[a-z]+:", link):
            continue
        target, _, part = link.partition("#")
        path = os.path.normpath(os.path.join(os.path.dirname(page), target)) if target else page
        if not os.path.exists(path):
            failures.append(f"{name}: {link} leads nowhere")
        elif part and part not in anchors(path):
            failures.append(f"{name}: {link} names no heading of {os.path.relpath(path, root)}")
    for path in sorted(set(TREE_PATH.findall(text))):
        if not os.path.exists(os.path.join(root, path.rstrip("."))):
            failures.append(f"{name}: {path} is not in the tree")

for failure in failures:
    print(f"FAIL: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
