#!/usr/bin/env python3
"""Makes a C++ header of the 16-colour XPM pictures in assets/icons for the Qt build.

Each picture becomes its pixels as 8-bit indices into one colour table (the 16 standard colours,
then transparent), which Qt turns into an image without decoding anything; the pictures of one
name are listed by size. Usage: xpm_to_header.py OUTPUT.h PICTURE.xpm [PICTURE.xpm ...], the
pictures named NAME_SIZE.xpm.
"""

import os
import sys

from xpm_to_ico import PALETTE, TRANSPARENT, read_xpm


def identifier(name):
    return "k" + "".join(part.capitalize() for part in name.split("_"))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    pictures = {}
    for path in sys.argv[2:]:
        name, size = os.path.basename(path)[:-len(".xpm")].rsplit("_", 1)
        pictures.setdefault(name, []).append((int(size), path))
    colours = [f"0xFF{colour:06X}" for colour in PALETTE] + ["0x00000000"]
    lines = ["// Made by cmake/xpm_to_header.py from assets/icons.", "#pragma once", "",
             "#include <array>", "", "namespace orvane::platform::qt::pictures {", "",
             "struct Image {", "    int size;", "    const unsigned char* pixels;  // size by size indices into kColours, row by row",
             "};", "", f"inline constexpr std::array<unsigned, {len(colours)}> kColours = {{",
             "    " + ", ".join(colours) + "};", ""]
    for name, sizes in sorted(pictures.items()):
        sizes.sort()
        for size, path in sizes:
            _, _, rows = read_xpm(path)
            pixels = [len(PALETTE) if index is TRANSPARENT else index
                      for row in rows for index in row]
            # QImage wants its rows to start on 32-bit boundaries.
            lines += [f"alignas(4) inline constexpr std::array<unsigned char, {len(pixels)}> "
                      f"{identifier(name)}{size} = {{",
                      "    " + ",".join(map(str, pixels)) + "};"]
        entries = ", ".join(f"{{{size}, {identifier(name)}{size}.data()}}" for size, _ in sizes)
        lines += [f"inline constexpr std::array<Image, {len(sizes)}> {identifier(name)} = {{{{"
                  f"{entries}}}}};", ""]
    lines.append("}  // namespace orvane::platform::qt::pictures")
    with open(sys.argv[1], "w", encoding="utf-8") as output:
        output.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
