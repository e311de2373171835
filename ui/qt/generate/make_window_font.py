#!/usr/bin/env python3
"""Builds the window's font: the glyphs the window writes, cut from a system
CJK face and carried inside the program.

The face is the monospaced cut of the CJK face: its ideographs are the same
glyphs as the proportional cut's, while its Latin letters, digits and signs
are half as wide as an ideograph, as on fixed Chinese forms. Proportional
Latin is wider: "kN/m2" and "N/mm2" would overrun the 33-pixel unit labels
beside the loads and the shear stress, and lose their last character.

The full face is a collection of some 65,000 glyphs in five languages. Opening
it, and reading glyphs scattered through it, costs the window a few megabytes
of memory and a noticeable part of its start-up; the window itself writes a
hundred or so characters. The cut keeps those characters, with the printable
ASCII range that users type and the characters of a Chinese date, and Qt falls
back on the system's fonts for anything else.

The outlines are turned from cubic into quadratic curves (TrueType), which
FreeType draws with less work, and the face gets a name of its own so that it
never stands in for the full face elsewhere. The copyright and licence records
of the original are kept.

    make_window_font.py SOURCE_FONT INDEX OUTPUT SOURCE_FILE...

SOURCE_FONT and INDEX name the face (a collection holds several); every
non-ASCII character in the SOURCE_FILEs is kept.
"""

import sys

from fontTools import subset
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

FAMILY = "Tarrowin Sans"
POSTSCRIPT_NAME = "TarrowinSans-Regular"
EXPECTED_SOURCE_FAMILY = "Noto Sans Mono CJK SC"

# What a user types, and what a Chinese date and time may be written with.
ALWAYS_KEPT = "".join(chr(c) for c in range(0x20, 0x7F)) + "年月日时分秒上午下午星期一二三四五六七八九十"

# Name records kept from the original: copyright, trademark notice, vendor
# address, licence and licence address.
KEPT_NAME_IDS = (0, 7, 11, 13, 14)

# Largest distance, in font units (1000 to the em), between a cubic curve and
# the quadratic curves that replace it: a thousandth of the character size.
CURVE_TOLERANCE = 1.0


def characters_in(paths):
    kept = set(ALWAYS_KEPT)
    for path in paths:
        with open(path, encoding="utf-8") as source:
            kept.update(ch for ch in source.read() if ord(ch) > 0x7F and ch.isprintable())
    return "".join(sorted(kept))


def cut(source_path, index, text):
    options = subset.Options()
    options.font_number = index
    options.name_IDs = ["*"]
    options.hinting = False
    options.notdef_outline = True
    options.recalc_timestamp = False
    options.drop_tables += ["VORG", "vhea", "vmtx"]
    font = subset.load_font(source_path, options, dontLoadGlyphNames=True)
    family = font["name"].getDebugName(1)
    if family != EXPECTED_SOURCE_FAMILY:
        sys.exit(f"{source_path} face {index} is {family!r}, not {EXPECTED_SOURCE_FAMILY!r}")
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    return font


def rename(font):
    names = font["name"]
    names.names = [record for record in names.names if record.nameID in KEPT_NAME_IDS]
    for name_id, value in ((1, FAMILY), (2, "Regular"), (3, POSTSCRIPT_NAME), (4, FAMILY), (6, POSTSCRIPT_NAME)):
        names.setName(value, name_id, 3, 1, 0x409)


def to_quadratic_outlines(font):
    order = font.getGlyphOrder()
    glyph_set = font.getGlyphSet()
    glyf = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = {}
    for name in order:
        pen = TTGlyphPen(glyph_set)
        # TrueType contours run the other way round from CFF ones.
        glyph_set[name].draw(Cu2QuPen(pen, max_err=CURVE_TOLERANCE, reverse_direction=True))
        glyf[name] = pen.glyph()
    del font["CFF "]
    font["glyf"] = glyf
    font["loca"] = newTable("loca")

    maxp = newTable("maxp")
    maxp.tableVersion = 0x00010000
    for field in ("numGlyphs", "maxPoints", "maxContours", "maxCompositePoints", "maxCompositeContours",
                  "maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions", "maxComponentElements", "maxComponentDepth"):
        setattr(maxp, field, 0)
    maxp.maxZones = 1
    font["maxp"] = maxp  # the counts are filled in when the font is written

    font["head"].glyphDataFormat = 0
    post = font["post"]
    post.formatType = 3.0  # no glyph names: nothing reads them
    font.sfntVersion = "\x00\x01\x00\x00"
    font.recalcBBoxes = True  # the new outlines need their boxes


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    source_path, index, output = argv[0], int(argv[1]), argv[2]
    font = cut(source_path, index, characters_in(argv[3:]))
    rename(font)
    to_quadratic_outlines(font)
    font.save(output, reorderTables=True)


if __name__ == "__main__":
    main(sys.argv[1:])
