#!/usr/bin/python3
"""The font the web build carries has every character that the program's
texts (string literals, form), the page's and Qt's Bulgarian catalogue can
show.   web_font.py FONT SOURCE_FOLDER QTBASE_BG_QM"""

import glob, re, struct, sys, unittest
from fontTools.ttLib import TTFont

FONT, SOURCE, CATALOGUE = sys.argv[1:4]
del sys.argv[1:4]


def translations(data, at=16):
    """The translations (tag 3, UTF-16) of a .qm's messages section (0x69),
    whose records are a tag and a length but for the lengthless 1 and 5."""
    while at < len(data):
        tag, size = struct.unpack(">BI", data[at:at + 5])
        records, at = data[at + 5:at + 5 + size], at + 5 + size
        while tag == 0x69 and records:
            record, length = records[0], (0 if records[0] == 1 else 4 if records[0] == 5 else
                                          4 + struct.unpack(">I", records[1:5])[0] % 0xFFFFFFFF)
            if record == 3:
                yield records[5:1 + length].decode("utf-16-be")
            records = records[1 + length:]


def texts():
    for path in glob.glob(f"{SOURCE}/logic/*.[hc]*") + glob.glob(f"{SOURCE}/window/*.[hc]*") + \
            glob.glob(f"{SOURCE}/app/*.[hc]*"):
        code = re.sub(r"//[^\n]*|/\*.*?\*/", "", open(path, encoding="utf-8").read(), flags=re.S)
        yield from ((text, path) for text in re.findall(r'"((?:[^"\\\n]|\\.)*)"', code))
    for path in (f"{SOURCE}/window/mainform.ui", f"{SOURCE}/packaging/web/index.html.in"):
        yield open(path, encoding="utf-8").read(), path
    yield from ((text, CATALOGUE) for text in translations(open(CATALOGUE, "rb").read()))


class WindowFont(unittest.TestCase):
    def test_has_every_character_shown(self):
        shown = list(texts())
        self.assertGreater(len(shown), 1000, "Qt's catalogue was not read")
        has = set(TTFont(FONT).getBestCmap()) | {ord("\n"), ord("\r"), ord("\t")}
        self.assertEqual({(c, where) for text, where in shown for c in text if ord(c) not in has}, set())


if __name__ == "__main__":
    unittest.main(verbosity=2)
