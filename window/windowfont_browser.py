#!/usr/bin/python3
"""Cuts Liberation Serif down to what the window can show in a browser, where
the program carries the font in its download:

    windowfont_browser.py SOURCE.ttf OUTPUT.ttf [--no-hinting]

The characters kept are those that a Bulgarian or an English keyboard types
into the text box and that the program's and Qt's Bulgarian texts use; every
glyph of any other script goes, and so do the glyphs' names. A cut font is a
modified one: the font's licence lets it keep the licence, not the name
Liberation, so it is named after the program."""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

CHARACTERS = [
    *range(0x0020, 0x007F),  # Basic Latin
    *range(0x00A0, 0x0100),  # Latin-1: «», §, °, accented letters
    *range(0x0400, 0x0460),  # Cyrillic
    *range(0x2010, 0x2028),  # dashes, quotes „“ ‘’, bullet, ellipsis
    0x2030, 0x2039, 0x203A, 0x20AC, 0x2116, 0x2122,  # ‰ ‹ › € № ™
    0x0338,  # the long solidus overlay of Qt's texts
]
FAMILY = "Courier Firms Serif"


def cut(source, output, hinting):
    options = subset.Options()
    options.glyph_names = False
    options.hinting = hinting
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # and with them the licence
    options.notdef_outline = True  # a character it lacks shows as a box
    font = TTFont(source, recalcTimestamp=False)
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=CHARACTERS)
    cutter.subset(font)
    names = font["name"]
    for record in names.names:
        if record.nameID in (1, 3, 4, 6):
            text = record.toUnicode().replace("Liberation Serif", FAMILY)
            names.setName(text.replace("LiberationSerif", FAMILY.replace(" ", "")),
                          record.nameID, record.platformID, record.platEncID, record.langID)
    font.save(output)


if __name__ == "__main__":
    cut(sys.argv[1], sys.argv[2], "--no-hinting" not in sys.argv[3:])
