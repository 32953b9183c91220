#!/usr/bin/python3
"""Build data/KELVOASCII.TTF, the client's 8x16 terminal font.

KELVOASCII is a renamed subset of GNU Unifont.  We take the glyphs for every
printable Windows-1252 character from Debian's unifont.otf (CFF outlines drawn
from the 8x16 bitmaps), convert them to TrueType outlines and write a small
monospaced .TTF whose family and face name are both "KELVOASCII".

Unifont uses 64 units per em with a 32 unit advance, so one pixel of the
original bitmap is 4 units.  We scale everything by 16 (1024 units per em,
64 units per pixel); at a pixel size of 16 (12 pt at 96 dpi) every cell is
then exactly 8 x 16 pixels, 14 above the baseline and 2 below, and every glyph
edge lands on a pixel boundary.

Needs fontTools; on Debian run it with the system interpreter
(package python3-fonttools):

    /usr/bin/python3 tools/make_font.py [path/to/unifont.otf]
"""

import logging
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.misc.timeTools import timestampFromString
from fontTools.ttLib import TTFont, newTable

FAMILY = "KELVOASCII"
DEFAULT_SOURCE = "/usr/share/fonts/opentype/unifont/unifont.otf"
BUILD_DATE = "Sat Jan  1 00:00:00 2022"

SRC_UPEM = 64          # Unifont: 4 units per pixel, 16 pixels per em
SCALE = 16             # -> 1024 units per em, 64 units per pixel
UPEM = SRC_UPEM * SCALE
PIXEL = UPEM // 16
ADVANCE = 8 * PIXEL    # every cell is 8 pixels wide
ASCENT = 14 * PIXEL    # 14 pixels above the baseline
DESCENT = 2 * PIXEL    # 2 pixels below it

# Characters that get a glyph from a different Unifont character, because
# Unifont draws them as a double-width control picture.  A soft hyphen shows
# as an ordinary hyphen, which is what Windows fonts do.
BORROW = {0x00AD: 0x002D}


def wanted_characters():
    """Every printable Windows-1252 character, plus U+2022 (bullet)."""
    chars = set(range(0x20, 0x7F)) | set(range(0xA0, 0x100))
    for b in range(0x80, 0xA0):
        try:
            chars.add(ord(bytes([b]).decode("cp1252")))
        except UnicodeDecodeError:
            pass  # 0x81, 0x8D, 0x8F, 0x90, 0x9D are unassigned
    chars.add(0x2022)
    return sorted(chars)


def glyph_name(cp):
    return "space" if cp == 0x20 else "uni%04X" % cp


def convert(glyphset, src_name):
    """Redraw one cubic (CFF) glyph as a scaled quadratic TrueType glyph."""
    tt_pen = TTGlyphPen(None)
    # CFF outer contours run counter-clockwise, TrueType ones clockwise.
    q_pen = Cu2QuPen(tt_pen, max_err=1.0, reverse_direction=True)
    glyphset[src_name].draw(TransformPen(q_pen, (SCALE, 0, 0, SCALE, 0, 0)))
    return tt_pen.glyph()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_SOURCE
    target = os.path.join(here, "..", "data", FAMILY + ".TTF")

    # Unifont's head table has odd dates, which fontTools warns about.
    logging.getLogger("fontTools.ttLib.tables._h_e_a_d").setLevel(logging.ERROR)
    src = TTFont(source)
    if src["head"].unitsPerEm != SRC_UPEM:
        sys.exit("%s: expected %d units per em" % (source, SRC_UPEM))
    src_cmap = src.getBestCmap()
    src_glyphs = src.getGlyphSet()
    src_name = src["name"]

    order = [".notdef"]
    cmap = {}
    glyphs = {".notdef": convert(src_glyphs, ".notdef")}
    for cp in wanted_characters():
        from_cp = BORROW.get(cp, cp)
        if from_cp not in src_cmap:
            sys.exit("%s has no glyph for U+%04X" % (source, from_cp))
        from_name = src_cmap[from_cp]
        if src["hmtx"][from_name][0] * SCALE != ADVANCE:
            sys.exit("U+%04X is not a single-width glyph" % from_cp)
        name = glyph_name(cp)
        order.append(name)
        cmap[cp] = name
        glyphs[name] = convert(src_glyphs, from_name)

    fb = FontBuilder(UPEM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    for name in order:
        g = glyf[name]
        g.recalcBounds(glyf)
        if g.numberOfContours and not (
                0 <= g.xMin and g.xMax <= ADVANCE
                and -DESCENT <= g.yMin and g.yMax <= ASCENT):
            sys.exit("glyph %s leaves the 8x16 cell" % name)
        metrics[name] = (ADVANCE, g.xMin if g.numberOfContours else 0)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)

    def src_string(name_id, default=""):
        rec = src_name.getName(name_id, 3, 1, 0x409)
        return rec.toUnicode() if rec else default

    version = src_string(5, "Version 1.0").replace("Version ", "")
    fb.setupNameTable({
        "copyright": src_string(0),
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": "%s %s (subset of GNU Unifont)"
                                % (FAMILY, version),
        "fullName": FAMILY,
        "version": "Version " + version,
        "psName": FAMILY,
        "vendorURL": src_string(11),
        "description": "Renamed subset of GNU Unifont: the printable "
                       "Windows-1252 characters in 8x16 cells.",
        "licenseDescription": src_string(13),
        "licenseInfoURL": src_string(14),
        "typographicFamily": FAMILY,
        "typographicSubfamily": "Regular",
    })
    fb.setupOS2(
        version=4,
        xAvgCharWidth=ADVANCE,
        usWeightClass=400,
        usWidthClass=5,
        fsType=0,                      # installable embedding
        sTypoAscender=ASCENT,
        sTypoDescender=-DESCENT,
        sTypoLineGap=0,
        usWinAscent=ASCENT,
        usWinDescent=DESCENT,
        sxHeight=8 * PIXEL,
        sCapHeight=10 * PIXEL,
        fsSelection=0x40 | 0x80,       # REGULAR | USE_TYPO_METRICS
        achVendID="KELV",
        panose=_monospaced_panose(),
    )
    os2 = fb.font["OS/2"]
    os2.ulCodePageRange1 = 1       # bit 0: code page 1252, Latin 1
    os2.ulCodePageRange2 = 0
    os2.recalcUnicodeRanges(fb.font)
    fb.setupPost(isFixedPitch=1, underlinePosition=-PIXEL,
                 underlineThickness=PIXEL)
    # Tell rasterisers to draw every size aliased and unhinted; the outlines
    # are already on the pixel grid at 16 pixels.
    gasp = newTable("gasp")
    gasp.gaspRange = {0xFFFF: 0x0000}
    fb.font["gasp"] = gasp

    head = fb.font["head"]
    try:
        head.fontRevision = float(".".join(version.split(".")[:2]))
    except ValueError:
        head.fontRevision = 1.0
    head.macStyle = 0
    # Fixed dates, so that rerunning the script gives the same file.
    head.created = head.modified = timestampFromString(BUILD_DATE)
    fb.font.recalcTimestamp = False
    fb.font.save(target)
    print("wrote %s: %d glyphs, %d bytes"
          % (os.path.normpath(target), len(order), os.path.getsize(target)))


def _monospaced_panose():
    from fontTools.ttLib.tables.O_S_2f_2 import Panose
    p = Panose()
    p.bFamilyType = 2          # Latin text
    p.bSerifStyle = 11         # normal sans
    p.bWeight = 5              # book
    p.bProportion = 9          # monospaced
    p.bContrast = 2
    p.bStrokeVariation = 2
    p.bArmStyle = 2
    p.bLetterForm = 2
    p.bMidline = 2
    p.bXHeight = 4
    return p


if __name__ == "__main__":
    main()
