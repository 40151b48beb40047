#!/usr/bin/env python3
"""Cuts IPAex Mincho down to what the program can ever show, in two fonts.

    subset_font.py FONT SOURCE_DIR OUT OUT_MORE

OUT holds the program's own words (from its sources and shipped texts), every
character of code page 932 but its kanji, and the first level of JIS kanji:
what every page fetches. A teacher may type any character of code page 932
into a text; the second level of kanji and the vendors' extra ones go to
OUT_MORE, under a family name of its own, which a page fetches only when a
text holds one of them (its characters are listed beside it, OUT_MORE.txt).
Hinting and vertical metrics stay behind in both.
"""

import sys
import unicodedata
from pathlib import Path

from fontTools import subset

# Code page 932's last kanji of JIS level 1 (腕, 0x9872); level 2 follows.
LEVEL1_END = 0x9872


def cp932_characters():
    """Each character of code page 932, with its code."""
    chars = {chr(c): c for c in range(0x20, 0x7F)}
    for b in range(0xA1, 0xE0):  # half-width kana
        chars.setdefault(bytes((b,)).decode("cp932"), b)
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            try:
                c = bytes((lead, trail)).decode("cp932")
            except UnicodeDecodeError:
                continue
            chars.setdefault(c, lead << 8 | trail)
    return chars


def is_kanji(c: str) -> bool:
    return unicodedata.name(c, "").startswith(("CJK UNIFIED IDEOGRAPH", "CJK COMPATIBILITY IDEOGRAPH"))


def source_characters(root: Path) -> set:
    chars = set()
    for pattern in ("src/**/*.cpp", "src/**/*.h", "assets/catalog/*.cpp", "content/**/*.txt"):
        for path in root.glob(pattern):
            data = path.read_bytes()
            try:
                text = data.decode("utf-8")
            except UnicodeDecodeError:
                text = data.decode("cp932", errors="ignore")
            chars.update(c for c in text if ord(c) >= 0x80)
    return chars


def cut(font: str, chars: set, out: str, family: str = None) -> int:
    options = subset.Options()
    options.hinting = False
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["vhea", "vmtx", "VORG"]
    loaded = subset.load_font(font, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in chars])
    subsetter.subset(loaded)
    if family:
        # A family of its own: two files of one family would take each
        # other's place in the program's font list.
        names = {1: family, 3: family, 4: family, 6: family.replace(" ", "-"), 16: family}
        for record in loaded["name"].names:
            if record.nameID in names:
                record.string = names[record.nameID]
    subset.save_font(loaded, out, options)
    return len(loaded.getGlyphOrder())


def main() -> int:
    if len(sys.argv) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    font, root, out, out_more = sys.argv[1], Path(sys.argv[2]), sys.argv[3], sys.argv[4]
    cp932 = cp932_characters()
    own = source_characters(root) | {"\ufffd", "\u3000"}
    more = {c for c, code in cp932.items() if code > LEVEL1_END and is_kanji(c)} - own
    base = (set(cp932) - more) | own
    glyphs = cut(font, base, out)
    glyphs_more = cut(font, more, out_more, "IPAexMincho Extra")
    Path(out_more + ".txt").write_text("".join(sorted(more)), encoding="utf-8")
    print(f"font: {len(base)} characters ({glyphs} glyphs) -> {out}; "
          f"{len(more)} more ({glyphs_more} glyphs) -> {out_more}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
