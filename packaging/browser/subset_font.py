#!/usr/bin/env python3
"""Cuts IPAex Mincho down to what the program can ever show.

    subset_font.py FONT SOURCE_DIR OUT

A teacher may type any character of code page 932 into a text, and the
program's own words are in its sources; everything else of the font (about a
third of its glyphs, its hinting and its vertical metrics) stays behind.
"""

import sys
from pathlib import Path

from fontTools import subset


def cp932_characters() -> set:
    chars = set(chr(c) for c in range(0x20, 0x7F))
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            try:
                chars.update(bytes((lead, trail)).decode("cp932"))
            except UnicodeDecodeError:
                pass
    chars.update(bytes((b,)).decode("cp932") for b in range(0xA1, 0xE0))  # half-width kana
    return chars


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


def main() -> int:
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    font, root, out = sys.argv[1], Path(sys.argv[2]), sys.argv[3]
    chars = cp932_characters() | source_characters(root) | {"\ufffd", "\u3000"}
    options = subset.Options()
    options.hinting = False
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["vhea", "vmtx", "VORG"]
    loaded = subset.load_font(font, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in chars])
    subsetter.subset(loaded)
    subset.save_font(loaded, out, options)
    print(f"font: {len(chars)} characters asked, {len(loaded.getGlyphOrder())} glyphs kept -> {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
