#!/usr/bin/env python3
"""Writes res/fonts.txt, which tells the preview how to imitate each device font.

Every font name of the built-in device font table (src/catalog/devicefonttable.cpp)
gets a face, a pixel size and zero offsets, chosen from the words of the name:

  face   the family words (ROBOTO_CONDENSED, ROBOTO, DEJAVU, BEBAS_NEUE, STEELFISH,
         BIONIC, CHRONOS, ...) and the weight (BOLD, a trailing B, BLACK, ...)
  size   "NNPX" or the trailing number ("ROBOTO_19B" is 19); otherwise a size word
         (TINY ... XLARGE, NUMBER_FONT_n) or, for names without any size, a share
         of the shorter screen side of the smallest device that uses the font

Run it after changing the device font table, then tune single lines by hand if
needed (zef-designer --list-fonts shows what each device slot resolves to); a
hand-tuned line is lost on the next run unless it goes into OVERRIDES below.

    tools/make_fonts_txt.py          write res/fonts.txt
    tools/make_fonts_txt.py --check  exit 1 when res/fonts.txt is not up to date
"""

import argparse
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CATALOG_SOURCE = ROOT / "src/catalog/devicecatalog.cpp"
FONT_TABLE_SOURCE = ROOT / "src/catalog/devicefonttable.cpp"
OUTPUT = ROOT / "res/fonts.txt"

# Shares of the screen's shorter side for names that give a size word, not a number.
TEXT_SIZES = {"XTINY": 0.050, "XSMALL": 0.055, "TINY": 0.066, "SMALL": 0.074,
              "MEDIUM": 0.085, "LARGE": 0.095, "XLARGE": 0.110}
PLUS_SIZE = 0.006  # "TINY_PLUS" lies between TINY and SMALL
NUMBER_SIZES = {"XSMALL": 0.110, "SMALL": 0.135, "MEDIUM": 0.160, "LARGE": 0.180,
                "XLARGE": 0.210}
# NUMBER_FONT_1 .. NUMBER_FONT_7: the device's number fonts from mild to hottest.
def number_font_share(n):
    return 0.095 + 0.020 * n
# Names without any size, used for every slot of a device.
NO_SIZE_TEXT = 0.085
NO_SIZE_NUMBER = 0.160

# Lines tuned by hand: font name -> (face, size, left, centre, right, y).
OVERRIDES = {}


def keeps_line(line):
    """The designer's test for lines that hold an entry."""
    if "FNT_" in line[:10]:
        return True
    return any(word in line for word in
               ("Roboto", "Yantramanav-Regular", "DejaVuSans_Cd_SemiBold_WGL4",
                "Garmin_Roboto_Bold"))


def read_devices():
    """Device name -> (screen width, screen height)."""
    text = CATALOG_SOURCE.read_text(encoding="utf-8")
    devices = {}
    for m in re.finditer(r'\{"((?:[^"\\]|\\.)*)",\s*(\d+),\s*(\d+),', text):
        devices[m.group(1)] = (int(m.group(2)), int(m.group(3)))
    if len(devices) != 162:
        sys.exit(f"expected 162 devices in {CATALOG_SOURCE}, found {len(devices)}")
    return devices


def strings(text):
    return re.findall(r'"((?:[^"\\]|\\.)*)"', text)


def read_font_uses():
    """Font name -> device names using it, in order of first use in the table."""
    text = FONT_TABLE_SOURCE.read_text(encoding="utf-8")
    uses = {}

    def use(font, device):
        uses.setdefault(font, set()).add(device)

    for table, width in (("BaseFontTable", 9), ("GlanceFontTable", 2)):
        body = re.search(table + r"\[\] = \{\n(.*?)\n\};", text, re.S).group(1)
        for row in body.splitlines():
            m = re.match(r"\s*\{\{(.*)\}, \{(.*)\}\},$", row)
            if not m:
                sys.exit(f"unexpected row in {table}: {row}")
            devices, fonts = strings(m.group(1)), strings(m.group(2))
            assert len(fonts) == width, row
            for font in fonts:
                for device in devices:
                    use(font, device)
    body = re.search(r"SlotFontExceptions\[\] = \{\n(.*?)\n\};", text, re.S).group(1)
    for row in body.splitlines():
        device, _slot, font = strings(row)
        use(font, device)
    return uses


def tokens(name):
    return re.split(r"[_\-]", name.upper())


def is_bold(name, parts):
    upper = name.upper()
    if "BOLD" in upper or "BLACK" in parts or "BC" in parts:
        return True
    return bool(parts and re.fullmatch(r"\d+B[A-Z]?", parts[-1]))


def choose_face(name):
    upper = name.upper()
    parts = tokens(name)
    bold = is_bold(name, parts)
    if "STEELFISH" in upper:
        return "IDR_FNT_STEELFISH_BOLD" if bold else "IDR_FNT_STEELFISH_REG"
    if "BEBAS" in upper:
        return "IDR_FNT_BEBASNEUE_REG"
    if "DEJAVU" in upper or "DEJA_VU" in upper:
        # The fitness and "REC" fonts are the number fonts of the DejaVu devices.
        if "FITNESS" in parts or "REC" in parts:
            return "IDR_FNT_DEJAVUSANS_COND_BOLD"
        if "CD" in parts or "COND" in parts or "CONDENSED" in parts:
            return "IDR_FNT_DEJAVUSANS_COND_BOLD" if bold else "IDR_FNT_DEJAVUSANS_COND"
        return "IDR_FNT_DEJAVUSANS_BOLD" if bold else "IDR_FNT_DEJAVUSANS"
    if "NOTO" in parts:
        return "IDR_FNT_DEJAVUSANS_BOLD" if bold else "IDR_FNT_DEJAVUSANS"
    if "BIONIC" in parts:
        return "IDR_FNT_ROBOTO_COND_BOLD" if "COND" in parts else "IDR_FNT_DEJAVUSANS_COND_BOLD"
    if "CHRONOS" in upper:
        return "IDR_FNT_ROBOTO_COND_BOLD"
    # The Montana's own fonts: text like its DejaVu siblings, numbers condensed.
    if "PRO" in parts:
        return "IDR_FNT_DEJAVUSANS_COND_BOLD" if "0000" in parts else "IDR_FNT_DEJAVUSANS"
    # Roboto, Yantramanav, the Garmin number fonts and families without a face of
    # their own: Roboto Condensed; number fonts without a weight are drawn bold.
    if ("NUMBER" in parts or "GARMIN" in parts) and "REGULAR" not in parts:
        bold = True
    return "IDR_FNT_ROBOTO_COND_BOLD" if bold else "IDR_FNT_ROBOTO_COND_REG"


def is_number_font(name):
    parts = tokens(name)
    return any(p in parts for p in ("NUMBER", "NMBR")) or name in (
        "Garmin_Roboto_Bold", "Yantramanav-Regular")


def choose_size(name, screen):
    """(pixel size, how it was chosen)."""
    parts = tokens(name)
    for part in parts:
        m = re.fullmatch(r"(\d+)PX", part)
        if m:
            return int(m.group(1)), "size from the name"
    m = re.search(r"_NUMBER_FONT_(\d+)$", name)
    if m and int(m.group(1)) < 10:
        share = number_font_share(int(m.group(1)))
        return round_size(share * screen), f"number font {m.group(1)} on a {screen} px screen"
    m = re.search(r"_(\d+)_(\d)$", name)  # "ROBOTO_15_5" is 15.5
    if m:
        return round_size(float(f"{m.group(1)}.{m.group(2)}")), "size from the name"
    m = re.fullmatch(r"(\d+)[A-Z]{0,2}", parts[-1])
    if m and len(parts) > 1:
        return int(m.group(1)), "size from the name"
    for i, part in enumerate(parts):
        if part in TEXT_SIZES:
            number = i > 0 and parts[i - 1] == "NUMBER"
            share = (NUMBER_SIZES if number else TEXT_SIZES)[part]
            word = part
            if i + 1 < len(parts) and parts[i + 1] == "PLUS":
                share += PLUS_SIZE
                word += "_PLUS"
            if number:
                word = "NUMBER_" + word
            return round_size(share * screen), f"{word} on a {screen} px screen"
    share = NO_SIZE_NUMBER if is_number_font(name) else NO_SIZE_TEXT
    return round_size(share * screen), f"no size in the name, {screen} px screen"


def round_size(value):
    return int(value + 0.5)


HEADER = """\
# Preview faces of ZEF Designer, one line per device font, written by
# tools/make_fonts_txt.py (tune OVERRIDES there, or edit lines here by hand).
#
# name ; face ; pixel size ; x offset left ; x offset centre ; x offset right ; y offset
#
# The face is one of the designer's nine face files by its resource name. Spaces
# are ignored and anything after a slash in the last field is a comment. The
# designer reads this file once at start-up.
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="exit 1 when res/fonts.txt differs from what would be written")
    args = parser.parse_args()

    devices = read_devices()
    uses = read_font_uses()
    if len(uses) != 394:
        sys.exit(f"expected 394 device fonts, found {len(uses)}")

    for line in HEADER.splitlines():
        assert not keeps_line(line), line
    lines = [HEADER]
    width = max(len(name) for name in uses)
    for name, users in uses.items():
        unknown = users - devices.keys()
        if unknown:
            sys.exit(f"{name} is used by devices not in the catalog: {sorted(unknown)}")
        screen = min(min(devices[d]) for d in users)
        if name in OVERRIDES:
            face, size, left, centre, right, y = OVERRIDES[name]
            how = "tuned by hand"
        else:
            face, (size, how) = choose_face(name), choose_size(name, screen)
            left = centre = right = y = 0
        line = (f"{name:<{width}} ; {face:<28} ; {size:3} ; {left:2} ; {centre:2} ; {right:2} ; "
                f"{y:2} / {how}")
        assert keeps_line(line), line
        lines.append(line + "\n")
    text = "".join(lines)

    if args.check:
        current = OUTPUT.read_text(encoding="utf-8") if OUTPUT.exists() else ""
        if current != text:
            print(f"{OUTPUT} is not up to date: run {Path(__file__).name}", file=sys.stderr)
            return 1
        return 0
    OUTPUT.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
