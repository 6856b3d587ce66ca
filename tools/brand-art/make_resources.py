#!/usr/bin/env python3
"""Regenerates the program's artwork under resources/.

    python3 tools/brand-art/make_resources.py            # from the repo root

Writes resources/logos/*.bmp (the 17 preset logos described in logos.txt),
resources/banner.gif and resources/vellumark.ico. The build embeds the
committed files; run this only when the artwork or logos.txt changes, then
look at the results and commit them.

Needs ImageMagick's `convert` and the DejaVu (fonts-dejavu-core) and
WenQuanYi Micro Hei (fonts-wqy-microhei) fonts. ImageMagick only rasterises
text and shapes into raw pixels; every file format is packed here with the
standard library, so each header field and file length is exactly what the
program promises.
"""

import math
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
RESOURCES = os.path.join(REPO, "resources")

LOGO_WIDTH = 120
LOGO_PALETTE_SIZE = 255  # the 8-bit logo's colour table has 255 entries

BANNER_WIDTH = 550
BANNER_HEIGHT = 100
BANNER_COLOURS = 128
# The banner's file length is part of what the program promises. The image
# data comes out shorter; a comment extension takes up the difference.
BANNER_FILE_SIZE = 13419

ICON_SIZE = 32


def render(args, width, height, channels):
    """Runs convert with `args` and returns its raw 8-bit pixels."""
    fmt = {3: "rgb", 4: "rgba"}[channels]
    command = ["convert"] + args + ["-depth", "8", fmt + ":-"]
    pixels = subprocess.run(command, check=True, stdout=subprocess.PIPE).stdout
    if len(pixels) != width * height * channels:
        sys.exit("convert gave %d bytes for %dx%d" % (len(pixels), width, height))
    return pixels


# ---------------------------------------------------------------- logos

def read_logo_table():
    rows = []
    with open(os.path.join(HERE, "logos.txt"), encoding="utf-8") as table:
        for line in table:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            row, name, text, ink, accent, bpp, height, tail = line.split()
            rows.append(dict(row=int(row), name=name, text=text, ink=ink,
                             accent=accent, bpp=int(bpp), height=int(height),
                             tail=int(tail)))
    if [r["row"] for r in rows] != list(range(17)):
        sys.exit("logos.txt must list rows 0 to 16 in order")
    return rows


def render_logo(logo):
    height = logo["height"]
    args = [
        "-size", "%dx%d" % (LOGO_WIDTH, height), "xc:white",
        "(", "-size", "104x40", "-background", "none", "-fill", logo["ink"],
        "-font", "DejaVu-Sans-Bold", "-gravity", "center",
        "label:" + logo["text"], ")",
        "-gravity", "center", "-geometry", "+0-8", "-composite",
        "-fill", logo["accent"],
        "-draw", "rectangle 36,%d 83,%d" % (height // 2 + 22, height // 2 + 24),
    ]
    if logo["bpp"] == 8:
        args += ["+dither", "-colors", str(LOGO_PALETTE_SIZE)]
    return render(args, LOGO_WIDTH, height, 3)


def pack_bmp(rgb, width, height, bpp, tail):
    """A bottom-up BI_RGB bitmap file; `tail` zero bytes follow the pixels."""
    row_bytes = (width * bpp // 8 + 3) & ~3
    palette = b""
    if bpp == 8:
        colours = sorted(set(rgb[i:i + 3] for i in range(0, len(rgb), 3)))
        if len(colours) > LOGO_PALETTE_SIZE:
            sys.exit("8-bit logo has %d colours" % len(colours))
        colours += [b"\0\0\0"] * (LOGO_PALETTE_SIZE - len(colours))
        index = {c: i for i, c in enumerate(colours)}
        palette = b"".join(c[2:3] + c[1:2] + c[0:1] + b"\0" for c in colours)
    rows = []
    for y in reversed(range(height)):
        line = rgb[y * width * 3:(y + 1) * width * 3]
        pixels = [line[x * 3:x * 3 + 3] for x in range(width)]
        if bpp == 8:
            packed = bytes(index[p] for p in pixels)
        elif bpp == 24:
            packed = b"".join(p[::-1] for p in pixels)
        else:
            # Opaque alpha, so viewers that honour the fourth byte agree
            # with GDI, which ignores it for BI_RGB.
            packed = b"".join(p[::-1] + b"\xff" for p in pixels)
        rows.append(packed + b"\0" * (row_bytes - len(packed)))
    pixel_data = b"".join(rows) + b"\0" * tail
    offset = 14 + 40 + len(palette)
    used = LOGO_PALETTE_SIZE if bpp == 8 else 0
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixel_data), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                              len(pixel_data), 2835, 2835, used, used)
    return file_header + info_header + palette + pixel_data


def make_logos():
    out_dir = os.path.join(RESOURCES, "logos")
    os.makedirs(out_dir, exist_ok=True)
    for logo in read_logo_table():
        rgb = render_logo(logo)
        data = pack_bmp(rgb, LOGO_WIDTH, logo["height"], logo["bpp"], logo["tail"])
        with open(os.path.join(out_dir, logo["name"]), "wb") as f:
            f.write(data)
        print("%-22s %6d bytes" % (logo["name"], len(data)))


# ---------------------------------------------------------------- banner

def banner_background():
    """A teal field around RGB(0,128,128) with two soft lighter waves."""
    out = bytearray()
    for y in range(BANNER_HEIGHT):
        for x in range(BANNER_WIDTH):
            base = 112 + 32 * x / (BANNER_WIDTH - 1)   # gentle left-to-right lift
            base -= 10 * (y / (BANNER_HEIGHT - 1) - 0.5)
            glow = 0.0
            for amplitude, period, phase, centre, spread in (
                    (9, 260, 0.0, 70, 9), (6, 180, 1.7, 84, 6)):
                crest = centre + amplitude * math.sin(2 * math.pi * x / period + phase)
                glow += 18 * math.exp(-((y - crest) / spread) ** 2)
            g = min(255, int(base + glow))
            r = min(255, int(glow * 1.4))
            out += bytes((r, g, g))
    return bytes(out)


def render_banner():
    background = os.path.join("/tmp", "vellumark-banner-bg.ppm")
    with open(background, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (BANNER_WIDTH, BANNER_HEIGHT))
        f.write(banner_background())
    args = [
        background,
        "-font", "DejaVu-Sans-Bold", "-pointsize", "40", "-fill", "#083c3c",
        "-gravity", "west", "-annotate", "+26-9", "Vellumark",
        "-fill", "white", "-annotate", "+24-11", "Vellumark",
        "-font", "WenQuanYi-Micro-Hei", "-pointsize", "14", "-fill", "#d8f0ee",
        "-annotate", "+27+24", "电脑 OEM 信息设置",
        "+dither", "-colors", str(BANNER_COLOURS),
    ]
    try:
        return render(args, BANNER_WIDTH, BANNER_HEIGHT, 3)
    finally:
        os.remove(background)


def lzw_encode(indices, min_code_size):
    """GIF's variable-width LZW, codes packed least significant bit first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    prefix = indices[0]
    for pixel in indices[1:]:
        key = (prefix, pixel)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix, width)
        if next_code == 4096:
            emit(clear, width)
            table, next_code, width = reset()
        else:
            table[key] = next_code
            if next_code == (1 << width):
                width += 1
            next_code += 1
        prefix = pixel
    emit(prefix, width)
    emit(end, width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def sub_blocks(data):
    blocks = b"".join(bytes((len(data[i:i + 255]),)) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return blocks + b"\0"


def comment_extension(length):
    """A comment extension of exactly `length` bytes (at least 5)."""
    note = b"Vellumark banner. Artwork by Tarnhollow. "
    payload_room = length - 3  # introducer, label, terminator
    # k sub-blocks carry between k and 255*k text bytes behind their k
    # length bytes, so k = ceil(room / 256) always fits when the text is
    # spread evenly over them.
    blocks = -(-payload_room // 256)
    text_length = payload_room - blocks
    text = (note * (text_length // len(note) + 1))[:text_length]
    body = b""
    for k in range(blocks):
        share = text_length // blocks + (1 if k < text_length % blocks else 0)
        body += bytes((share,)) + text[:share]
        text = text[share:]
    extension = b"\x21\xfe" + body + b"\0"
    if len(extension) != length:
        sys.exit("comment extension came out %d bytes, wanted %d" % (len(extension), length))
    return extension


def make_banner():
    rgb = render_banner()
    pixels = [rgb[i:i + 3] for i in range(0, len(rgb), 3)]
    colours = sorted(set(pixels))
    if len(colours) > BANNER_COLOURS:
        sys.exit("banner has %d colours" % len(colours))
    colours += [b"\0\0\0"] * (BANNER_COLOURS - len(colours))
    index = {c: i for i, c in enumerate(colours)}
    min_code_size = 7  # 128 colours
    image_data = bytes((min_code_size,)) + sub_blocks(
        lzw_encode([index[p] for p in pixels], min_code_size))

    # Global colour table flag, 8 bits of colour resolution, 2^(6+1) entries.
    screen = b"GIF89a" + struct.pack("<HHBBB", BANNER_WIDTH, BANNER_HEIGHT,
                                     0x80 | (7 << 4) | 6, 0, 0)
    palette = b"".join(colours)
    descriptor = b"\x2c" + struct.pack("<HHHHB", 0, 0, BANNER_WIDTH, BANNER_HEIGHT, 0)
    trailer = b"\x3b"
    natural = len(screen) + len(palette) + len(descriptor) + len(image_data) + len(trailer)
    if natural + 5 > BANNER_FILE_SIZE:
        sys.exit("banner image data is %d bytes, too long for %d; simplify the art"
                 % (natural, BANNER_FILE_SIZE))
    gif = (screen + palette + comment_extension(BANNER_FILE_SIZE - natural)
           + descriptor + image_data + trailer)
    with open(os.path.join(RESOURCES, "banner.gif"), "wb") as f:
        f.write(gif)
    print("banner.gif             %6d bytes (image %d, comment %d)"
          % (len(gif), natural, BANNER_FILE_SIZE - natural))


# ---------------------------------------------------------------- icon

def make_icon():
    rgba = render([
        "-size", "%dx%d" % (ICON_SIZE, ICON_SIZE), "xc:none",
        "-fill", "#008080", "-draw", "roundrectangle 1,1 30,30 7,7",
        "-fill", "white", "-font", "DejaVu-Sans-Bold", "-pointsize", "24",
        "-gravity", "center", "-annotate", "+0+0", "V",
    ], ICON_SIZE, ICON_SIZE, 4)
    xor_rows = []
    and_rows = []
    mask_row_bytes = (ICON_SIZE + 31) // 32 * 4
    for y in reversed(range(ICON_SIZE)):
        line = rgba[y * ICON_SIZE * 4:(y + 1) * ICON_SIZE * 4]
        xor_rows.append(b"".join(line[x * 4:x * 4 + 3][::-1] + line[x * 4 + 3:x * 4 + 4]
                                 for x in range(ICON_SIZE)))
        # Fully transparent pixels are masked so old shells that ignore
        # alpha still show the rounded corners.
        mask = 0
        for x in range(ICON_SIZE):
            if line[x * 4 + 3] == 0:
                mask |= 1 << (mask_row_bytes * 8 - 1 - x)
        and_rows.append(mask.to_bytes(mask_row_bytes, "big"))
    image = (struct.pack("<IiiHHIIiiII", 40, ICON_SIZE, ICON_SIZE * 2, 1, 32, 0,
                         0, 0, 0, 0, 0)
             + b"".join(xor_rows) + b"".join(and_rows))
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", ICON_SIZE, ICON_SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(os.path.join(RESOURCES, "vellumark.ico"), "wb") as f:
        f.write(directory + image)
    print("vellumark.ico          %6d bytes" % (len(directory) + len(image)))


def main():
    make_logos()
    make_banner()
    make_icon()


if __name__ == "__main__":
    main()
