#!/usr/bin/python3
"""The font the web build carries has every character that the program's
texts (its string literals and its form) and the page's, and Qt's Bulgarian
catalogue can put on the screen.

    web_font.py FONT SOURCE_FOLDER QTBASE_BG_QM"""

import glob
import os
import re
import struct
import sys
import unittest
import xml.etree.ElementTree as ElementTree

from fontTools.ttLib import TTFont

FONT, SOURCE, CATALOGUE = sys.argv[1:4]
del sys.argv[1:4]
QM_MAGIC = bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd")


def literals(path):
    """The string literals of a C++ file, its comments left out."""
    with open(path, encoding="utf-8") as file:
        code = re.sub(r"//[^\n]*|/\*.*?\*/", "", file.read(), flags=re.S)
    return re.findall(r'"((?:[^"\\\n]|\\.)*)"', code)


def translations(path):
    """The translations a Qt catalogue (.qm) holds: the tagged records of its
    messages section, where tag 3 is a translation in UTF-16 and tag 5 has
    four bytes and no length."""
    with open(path, "rb") as file:
        data = file.read()
    assert data.startswith(QM_MAGIC), f"{path} is no Qt catalogue"
    at, texts = len(QM_MAGIC), []
    while at < len(data):
        tag, size = struct.unpack(">BI", data[at:at + 5])
        section, at = data[at + 5:at + 5 + size], at + 5 + size
        while tag == 0x69 and section:
            record, section = section[0], section[1:]
            if record in (1, 5):
                section = section[4 if record == 5 else 0:]
                continue
            length, = struct.unpack(">I", section[:4])
            length = 0 if length == 0xFFFFFFFF else length
            if record == 3:
                texts.append(section[4:4 + length].decode("utf-16-be"))
            section = section[4 + length:]
    return texts


def on_screen():
    """Each text that can show, and where it comes from."""
    for folder in ("logic", "window", "app"):
        for path in sorted(glob.glob(os.path.join(SOURCE, folder, "*.[ch]pp")) +
                           glob.glob(os.path.join(SOURCE, folder, "*.h"))):
            yield from ((text, path) for text in literals(path))
    form = os.path.join(SOURCE, "window", "mainform.ui")
    yield from ((element.text or "", form) for element in ElementTree.parse(form).iter("string"))
    page = os.path.join(SOURCE, "packaging", "web", "index.html.in")
    with open(page, encoding="utf-8") as file:
        yield file.read(), page
    yield from ((text, CATALOGUE) for text in translations(CATALOGUE))


class WindowFont(unittest.TestCase):
    def test_has_every_character_shown(self):
        characters = set(TTFont(FONT).getBestCmap())
        texts = list(on_screen())
        self.assertGreater(len(texts), 1000, "Qt's catalogue was not read")
        missing = {}
        for text, where in texts:
            for character in set(text) - {"\n", "\r", "\t"}:
                if ord(character) not in characters:
                    missing.setdefault(f"{character} U+{ord(character):04X}", set()).add(where)
        self.assertEqual(missing, {}, "characters the font lacks, and where they are")


if __name__ == "__main__":
    unittest.main(verbosity=2)
