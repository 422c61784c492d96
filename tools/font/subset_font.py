#!/usr/bin/python3
"""subset_font.py FONT OUT: the font with only the characters the game draws (codes 0 to
127), hinting, metrics and the missing-glyph box kept as they are, under a name of its own.

The font's licence may reserve its name for the unmodified font, and a subset is a
modified one; the copyright and licence notices stay as they are.
"""
import logging
import sys

from fontTools import subset

FAMILY = "Travolk Sans"
# family, unique id, full name, PostScript name, typographic family, WWS family
NEW_NAMES = {1: FAMILY, 3: FAMILY + " Regular", 4: FAMILY, 6: "TravolkSans-Regular", 16: FAMILY, 21: FAMILY}
GAME_CHARACTERS = range(0, 128)


def main(source, target):
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # tables it drops are no news
    options = subset.Options()
    options.notdef_outline = True  # the box drawn for characters without a glyph
    options.hinting = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.layout_features = []
    options.recalc_timestamp = False  # the same font from the same source
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=GAME_CHARACTERS)
    subsetter.subset(font)
    for record in font["name"].names:
        if record.nameID in NEW_NAMES:
            record.string = NEW_NAMES[record.nameID]
    subset.save_font(font, target, options)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: subset_font.py FONT OUT")
    main(sys.argv[1], sys.argv[2])
