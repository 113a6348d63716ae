#!/usr/bin/env python3
"""subset_fonts.py OUT_DIR FONT_DIR ROOT...: the bundled faces as WOFF2, cut down to the
characters the program's texts use (every character in the sources under ROOT, escapes
included) plus Latin-1 and General Punctuation, which its translations draw on. A character
missing here still shows, in the browser's own sans-serif."""
import pathlib
import re
import sys

from fontTools import subset

FACES = ["FreeSans", "FreeSansBold", "FreeSansOblique", "FreeSansBoldOblique"]
TEXT_SUFFIXES = {".cpp", ".h", ".js", ".html", ".json", ".po", ".ts", ".txt", ".in"}


def characters(roots):
    chars = set(range(0x20, 0x7F))  # ASCII
    chars |= set(range(0xA0, 0x100))  # Latin-1 Supplement
    chars |= set(range(0x2000, 0x2070))  # General Punctuation
    chars |= {0x152, 0x153, 0x178, 0x20AC, 0x2713, 0xFFFD}  # œ Œ Ÿ €, the menus' tick, U+FFFD
    for root in roots:
        for path in pathlib.Path(root).rglob("*"):
            if path.suffix not in TEXT_SUFFIXES or not path.is_file() or "node_modules" in path.parts:
                continue
            text = path.read_text(encoding="utf-8", errors="ignore")
            chars |= {ord(c) for c in text if ord(c) >= 0x20}
            for m in re.finditer(r"\\u([0-9a-fA-F]{4})|\\U([0-9a-fA-F]{8})", text):
                chars.add(int(m.group(1) or m.group(2), 16))
    return sorted(c for c in chars if not 0xD800 <= c <= 0xDFFF)


def main():
    out, fonts, roots = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3:]
    out.mkdir(parents=True, exist_ok=True)
    unicodes = characters(roots)
    for face in FACES:
        options = subset.Options()
        options.flavor = "woff2"
        options.layout_features = []  # each character is placed on its own: no shaping
        options.name_IDs = ["*"]
        options.notdef_outline = True
        options.drop_tables += ["FFTM"]  # FontForge's time stamps
        font = subset.load_font(str(fonts / (face + ".ttf")), options)
        sub = subset.Subsetter(options)
        sub.populate(unicodes=unicodes)
        sub.subset(font)
        subset.save_font(font, str(out / (face + ".woff2")), options)


if __name__ == "__main__":
    main()
