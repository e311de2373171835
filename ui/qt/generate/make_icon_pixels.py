#!/usr/bin/env python3
"""Writes the program icon's pixels as C++ arrays, so that the window gets
its icon without decoding a PNG at start-up.

    make_icon_pixels.py OUTPUT.h ICON.png...

Each ICON is an 8-bit RGBA, non-interlaced PNG; its pixels become an array
of 0xAARRGGBB words, row by row, named after its side in pixels
(iconPixels16 for a 16 x 16 icon), listed in `programIconImages`.
"""

import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
BYTES_PER_PIXEL = 4


def chunks(data):
    at = len(PNG_SIGNATURE)
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        kind = data[at + 4:at + 8]
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def paeth(left, up, up_left):
    guess = left + up - up_left
    to_left, to_up, to_up_left = abs(guess - left), abs(guess - up), abs(guess - up_left)
    if to_left <= to_up and to_left <= to_up_left:
        return left
    return up if to_up <= to_up_left else up_left


def unfiltered_rows(raw, width, height):
    stride = width * BYTES_PER_PIXEL
    previous = bytearray(stride)
    at = 0
    for _ in range(height):
        kind, row = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = row[i - BYTES_PER_PIXEL] if i >= BYTES_PER_PIXEL else 0
            up = previous[i]
            up_left = previous[i - BYTES_PER_PIXEL] if i >= BYTES_PER_PIXEL else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                row[i] = (row[i] + paeth(left, up, up_left)) & 0xFF
            elif kind != 0:
                sys.exit(f"unknown PNG row filter {kind}")
        yield row
        previous = row


def rgba_pixels(path):
    with open(path, "rb") as source:
        data = source.read()
    if not data.startswith(PNG_SIGNATURE):
        sys.exit(f"{path} is not a PNG file")
    header, compressed = None, b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    width, height, depth, colour_type, _, _, interlace = header
    if (depth, colour_type, interlace) != (8, 6, 0):
        sys.exit(f"{path} is not an 8-bit RGBA, non-interlaced PNG")
    pixels = []
    for row in unfiltered_rows(zlib.decompress(compressed), width, height):
        for i in range(0, len(row), BYTES_PER_PIXEL):
            red, green, blue, alpha = row[i:i + BYTES_PER_PIXEL]
            pixels.append(alpha << 24 | red << 16 | green << 8 | blue)
    return width, height, pixels


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    output, icons = argv[0], argv[1:]
    lines = ["// Written by make_icon_pixels.py from the icon's PNG files; do not edit.",
             "#pragma once", "", "#include <cstdint>", "", "namespace tarrowin {", ""]
    images = []
    for path in icons:
        width, height, pixels = rgba_pixels(path)
        if width != height:
            sys.exit(f"{path} is not square")
        name = f"iconPixels{width}"
        images.append((name, width))
        lines.append(f"inline constexpr std::uint32_t {name}[{width * height}] = {{")
        for at in range(0, len(pixels), 8):
            lines.append("    " + ", ".join(f"0x{pixel:08x}u" for pixel in pixels[at:at + 8]) + ",")
        lines.append("};")
        lines.append("")
    lines.append("struct IconImage {")
    lines.append("    const std::uint32_t* pixels;")
    lines.append("    int side;")
    lines.append("};")
    lines.append("")
    lines.append(f"inline constexpr IconImage programIconImages[{len(images)}] = {{")
    lines += [f"    {{{name}, {side}}}," for name, side in images]
    lines.append("};")
    lines.append("")
    lines.append("}  // namespace tarrowin")
    with open(output, "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1:])
