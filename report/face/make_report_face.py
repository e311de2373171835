#!/usr/bin/env python3
"""Builds the face of the calculation report: Chinese from a CJK face, Latin
letters, digits, Greek and mathematical signs from a Latin face, in one
TrueType font whose character map lets a PDF viewer find every character.

A PDF names the character behind each glyph it draws through a map from glyph
to code point, which Qt builds from the face's own character map: the lowest
code point that reaches a glyph names it. CJK faces draw the Kangxi radicals
(U+2F00-U+2FDF) and the radical supplement (U+2E80-U+2EFF) with the very
glyphs of the ideographs, and the compatibility ideographs (U+F900-U+FAFF)
too, so a report drawn with the full face reads "工" back as the radical "⼯"
and nobody finds "工程" in it. This face leaves those code points out, and
where two kept code points still share a glyph it gives the second a copy of
its own, so that every glyph answers to exactly one character. Layout tables
are dropped: without substitutions every glyph drawn is the one the character
map names, and none is a ligature or an alternate without a map.

Users type their own project names and people's names into the report's
header, so the face covers every ideograph of the Basic Multilingual Plane,
not only the characters in the sources.

The CJK outlines are turned into quadratic curves to join the Latin face's
TrueType outlines, and the Latin face is scaled to the CJK face's 1000 units
to the em. The result gets a name of its own; the copyright and licence
records of both originals are kept.

    make_report_face.py CJK_FONT CJK_INDEX LATIN_FONT LATIN_INDEX OUTPUT
"""

import copy
import sys

from fontTools.misc.roundTools import otRound
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4

FAMILY = "Tarrowin Report Sans"
POSTSCRIPT_NAME = "TarrowinReportSans-Regular"
EXPECTED_CJK_FAMILY = "Noto Sans CJK SC"
UNITS_PER_EM = 1000

# Code points that share their glyph with an ideograph: never in the map.
LEFT_OUT = ((0x2E80, 0x2EFF), (0x2F00, 0x2FDF), (0xF900, 0xFAFF))

# What the Latin face draws: letters, digits, Greek symbols, signs and
# punctuation of formulas, where it has them.
LATIN_RANGES = (
    (0x0020, 0x007E),  # ASCII
    (0x00A0, 0x024F),  # Latin-1 and Latin Extended (×, ², ·, °)
    (0x0370, 0x03FF),  # Greek (σ, τ, δ, γ)
    (0x2000, 0x2013), (0x2016, 0x2017), (0x201A, 0x201B), (0x201E, 0x2025), (0x2027, 0x206F),
    (0x2070, 0x209F),  # superscripts and subscripts
    (0x2190, 0x21FF),  # arrows
    (0x2200, 0x22FF),  # mathematical operators (≤, −, √)
)

# What the CJK face draws: ideographs, Chinese punctuation and full-width
# forms, and the signs Chinese text takes at full width.
CJK_RANGES = (
    (0x2014, 0x2015), (0x2018, 0x2019), (0x201C, 0x201D), (0x2026, 0x2026),  # Chinese quotes, dash, ellipsis
    (0x2103, 0x2103),  # ℃
    (0x2160, 0x217F),  # Roman numerals
    (0x2460, 0x24FF),  # circled numbers
    (0x3000, 0x30FF),  # CJK punctuation, kana
    (0x3200, 0x33FF),  # enclosed CJK, CJK units (㎡)
    (0x3400, 0x4DBF),  # CJK Unified Ideographs Extension A
    (0x4E00, 0x9FFF),  # CJK Unified Ideographs
    (0xFE30, 0xFE4F),  # CJK compatibility forms
    (0xFF00, 0xFFEF),  # full-width and half-width forms
)

# Largest distance, in font units, between a cubic curve and the quadratic
# curves that replace it: a thousandth of the character size.
CURVE_TOLERANCE = 1.0

# Tables kept from the CJK face; the rest are built anew or left out: no
# layout, no hinting, no vertical metrics.
KEPT_TABLES = ("head", "hhea", "OS/2", "name", "post")

# Name records kept from each original: copyright, trademark notice, licence
# and licence address.
KEPT_NAME_IDS = (0, 7, 13, 14)


def in_ranges(code_point, ranges):
    return any(low <= code_point <= high for low, high in ranges)


def load_face(path, index, expected_family=None):
    font = TTFont(path, fontNumber=index, lazy=True)
    family = font["name"].getDebugName(1)
    if expected_family and family != expected_family:
        sys.exit(f"{path} face {index} is {family!r}, not {expected_family!r}")
    return font


def quadratic_glyph(glyph_set, name):
    """A glyph of a CFF face as a TrueType glyph."""
    pen = TTGlyphPen(glyph_set)
    # TrueType contours run the other way round from CFF ones.
    glyph_set[name].draw(Cu2QuPen(pen, max_err=CURVE_TOLERANCE, reverse_direction=True))
    return pen.glyph()


def scaled_glyph(glyph_set, name, scale):
    """A glyph of the Latin face, scaled to the CJK face's em, as a simple
    glyph: a composite would point at components by names that the joined
    face does not keep."""
    recording = DecomposingRecordingPen(glyph_set)
    glyph_set[name].draw(recording)
    pen = TTGlyphPen(None)
    recording.replay(TransformPen(pen, (scale, 0, 0, scale, 0, 0)))
    return pen.glyph()


class Joined:
    """The glyphs, advances and character map of the face being built."""

    def __init__(self, notdef, notdef_metrics):
        self.outlines = {".notdef": notdef}
        self.metrics = {".notdef": notdef_metrics}
        self.code_point_glyph = {}
        self.taken = {}  # source glyph -> the name it was first taken under

    def take(self, code_point, source, source_name, make_glyph, advance, left_side_bearing):
        key = (source, source_name)
        if key in self.taken:
            # Shared with an earlier code point: a copy answers to this one.
            name = f"{source}.{source_name}.u{code_point:04X}"
            self.outlines[name] = copy.deepcopy(self.outlines[self.taken[key]])
        else:
            name = f"{source}.{source_name}"
            self.taken[key] = name
            self.outlines[name] = make_glyph()
        self.metrics[name] = (advance, left_side_bearing)
        self.code_point_glyph[code_point] = name


def join(cjk, latin):
    """The CJK face's tables with the glyphs of both faces: the Latin face's
    for the Latin ranges, where it has them, the CJK face's for the rest."""
    cjk_map = cjk.getBestCmap()
    latin_map = latin.getBestCmap()
    cjk_glyphs = cjk.getGlyphSet()
    latin_glyphs = latin.getGlyphSet()
    scale = UNITS_PER_EM / latin["head"].unitsPerEm

    joined = Joined(quadratic_glyph(cjk_glyphs, ".notdef"), cjk["hmtx"][".notdef"])
    wanted = sorted({cp for low, high in CJK_RANGES + LATIN_RANGES for cp in range(low, high + 1)})
    for code_point in wanted:
        if in_ranges(code_point, LEFT_OUT):
            continue
        latin_name = latin_map.get(code_point)
        cjk_name = cjk_map.get(code_point)
        if latin_name and (in_ranges(code_point, LATIN_RANGES) or not cjk_name):
            advance, bearing = latin["hmtx"][latin_name]
            joined.take(code_point, "l", latin_name, lambda: scaled_glyph(latin_glyphs, latin_name, scale),
                        otRound(advance * scale), otRound(bearing * scale))
        elif cjk_name:
            advance, bearing = cjk["hmtx"][cjk_name]
            joined.take(code_point, "c", cjk_name, lambda: quadratic_glyph(cjk_glyphs, cjk_name), advance, bearing)

    order = [".notdef"] + sorted(name for name in joined.outlines if name != ".notdef")
    font = cjk
    for tag in list(font.keys()):
        if tag not in KEPT_TABLES and tag != "GlyphOrder":
            del font[tag]
    font.setGlyphOrder(order)

    glyf = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = {name: joined.outlines[name] for name in order}
    font["glyf"] = glyf
    font["loca"] = newTable("loca")

    hmtx = newTable("hmtx")
    hmtx.metrics = {name: joined.metrics[name] for name in order}
    font["hmtx"] = hmtx

    subtables = []
    for platform, encoding in ((0, 3), (3, 1)):
        table = cmap_format_4(4)
        table.platformID, table.platEncID, table.language = platform, encoding, 0
        table.cmap = dict(joined.code_point_glyph)
        subtables.append(table)
    cmap = newTable("cmap")
    cmap.tableVersion = 0
    cmap.tables = subtables
    font["cmap"] = cmap

    maxp = newTable("maxp")
    maxp.tableVersion = 0x00010000
    for field in ("numGlyphs", "maxPoints", "maxContours", "maxCompositePoints", "maxCompositeContours",
                  "maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions", "maxComponentElements", "maxComponentDepth"):
        setattr(maxp, field, 0)
    maxp.maxZones = 1
    font["maxp"] = maxp  # the counts are filled in when the font is written

    font["head"].glyphDataFormat = 0
    font["post"].formatType = 3.0  # no glyph names: nothing reads them
    font.sfntVersion = "\x00\x01\x00\x00"
    font.recalcBBoxes = True
    os2 = font["OS/2"]
    os2.recalcUnicodeRanges(font)
    os2.updateFirstAndLastCharIndex(font)
    return font, joined.code_point_glyph


def rename(font, cjk_names, latin_names):
    names = font["name"]
    kept = {}
    for name_id in KEPT_NAME_IDS:
        parts = [source.getDebugName(name_id) for source in (cjk_names, latin_names)]
        kept[name_id] = "\n\n".join(part.strip() for part in parts if part)
    names.names = []
    for name_id, value in ((1, FAMILY), (2, "Regular"), (3, POSTSCRIPT_NAME), (4, FAMILY), (6, POSTSCRIPT_NAME),
                           *kept.items()):
        names.setName(value, name_id, 3, 1, 0x409)


def check(code_point_glyph):
    """What the report's text search relies on, checked on the finished map."""
    left_in = [cp for cp in code_point_glyph if in_ranges(cp, LEFT_OUT)]
    if left_in:
        sys.exit(f"radicals left in the map: {left_in[:5]}")
    glyphs = list(code_point_glyph.values())
    if len(set(glyphs)) != len(glyphs):
        sys.exit("a glyph answers to more than one code point")
    for low, high in ((0x4E00, 0x9FA5), (0x0020, 0x007E)):
        missing = [cp for cp in range(low, high + 1) if cp not in code_point_glyph]
        if missing:
            sys.exit(f"the face lacks U+{missing[0]:04X} and {len(missing) - 1} more")


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__)
    cjk_path, cjk_index, latin_path, latin_index, output = argv[0], int(argv[1]), argv[2], int(argv[3]), argv[4]
    cjk = load_face(cjk_path, cjk_index, EXPECTED_CJK_FAMILY)
    latin = load_face(latin_path, latin_index)
    cjk_names = copy.deepcopy(cjk["name"])
    latin_names = latin["name"]
    font, code_point_glyph = join(cjk, latin)
    rename(font, cjk_names, latin_names)
    check(code_point_glyph)
    font.save(output, reorderTables=True)


if __name__ == "__main__":
    main(sys.argv[1:])
