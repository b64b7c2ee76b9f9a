#!/usr/bin/python3
"""Renders every glyph of ZodikeonSymbolsPlus.ttf to a PNG sheet, for looking the font over.

Each glyph is drawn centred on a cross-hair by the font's ascent and descent, as the chart
drawing does; the grey frame is the advance width by the line box, the blue line the
baseline. Below the large cells, rows show the glyphs at small pixel sizes.

Needs python3-pil and python3-fonttools. Usage: render_sheet.py [--font FILE] [--output FILE]
"""

import argparse
import os
import sys

from PIL import Image, ImageDraw, ImageFont
from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from build_symbol_font import GLYPHS  # noqa: E402

LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--font", default=os.path.join(here, "..", "..", "resources", "fonts", "ZodikeonSymbolsPlus.ttf"))
    ap.add_argument("--output", default="symbol-sheet.png")
    ap.add_argument("--size", type=int, default=120, help="cell height (pixel size) of the large glyphs")
    args = ap.parse_args()

    tt = TTFont(args.font)
    upm = tt["head"].unitsPerEm
    ascent, descent = tt["hhea"].ascent, -tt["hhea"].descent
    size = args.size
    font = ImageFont.truetype(args.font, size)
    label = ImageFont.truetype(LABEL_FONT, 12)
    cols = 8
    cw, ch = int(size * 1.5), int(size * 1.75)
    rows = (len(GLYPHS) + cols - 1) // cols
    small_sizes = (32, 22, 14)
    strip = sum(s + 16 for s in small_sizes) + 20
    img = Image.new("RGB", (cols * cw, rows * ch + strip), "white")
    d = ImageDraw.Draw(img)

    for i, (char, name, meaning, source, _) in enumerate(GLYPHS):
        x, y = (i % cols) * cw, (i // cols) * ch
        cx, cy = x + cw // 2, y + int(size * 0.72)
        adv = tt["hmtx"][name][0] * size / upm
        top = cy - (ascent + descent) * size / upm / 2
        base = top + ascent * size / upm
        d.rectangle([cx - adv / 2, top, cx + adv / 2, top + (ascent + descent) * size / upm], outline=(200, 200, 200))
        d.line([(cx - adv / 2, base), (cx + adv / 2, base)], fill=(150, 170, 255))
        d.line([(cx - 8, cy), (cx + 8, cy)], fill=(255, 120, 120))
        d.line([(cx, cy - 8), (cx, cy + 8)], fill=(255, 120, 120))
        d.text((cx, cy), char, font=font, fill="black", anchor="mm")
        origin = "drawn" if source[0] == "draw" else "U+%04X" % source[2]
        d.text((x + 4, y + ch - 30), "%r  %s" % (char, origin), font=label, fill=(0, 0, 160))
        d.text((x + 4, y + ch - 16), meaning, font=label, fill=(0, 0, 160))

    y = rows * ch + 10
    text = "".join(g[0] for g in GLYPHS)
    for s in small_sizes:
        f = ImageFont.truetype(args.font, s)
        d.text((6, y + s / 2), str(s), font=label, fill=(0, 0, 160), anchor="lm")
        for i, c in enumerate(text):
            d.text((40 + i * s * 0.95 + s / 2, y + s / 2), c, font=f, fill="black", anchor="mm")
        y += s + 16
    img.save(args.output)
    print(args.output)


if __name__ == "__main__":
    main()
