#!/usr/bin/env python3
"""Writes pictures whose files end, or whose run-length codes skip, before
every pixel is given and whose headers do not tell their true length."""
import struct
import sys

W, H = 64, 48


def bitmap(info, palette, pixels, offset_extra=0):
    offset = 14 + len(info) + len(palette) + offset_extra
    body = info + palette + pixels
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def rle8(pixels):
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 1, 0, 2835, 2835, 256, 0)
    palette = b"".join(struct.pack("<BBBB", i, 255 - i, i // 2, 0) for i in range(256))
    return bitmap(info, palette, pixels)


def gif():
    out = bytearray(b"GIF89a" + struct.pack("<HH", W, H) + bytes([0xF6, 0, 0]))
    for i in range(128):
        out += bytes([i * 2, 255 - i * 2, i])
    out += b"," + struct.pack("<HHHH", 0, 0, W, H) + bytes([0, 7])
    codes = bytearray()
    for i in range(W * H):
        if i % 126 == 0:
            codes.append(128)
        codes.append(i * 3 % 128)
    for at in range(0, len(codes), 255):
        block = codes[at:at + 255]
        out += bytes([len(block)]) + block
    return bytes(out)


def main(folder):
    rows = b"".join(bytes([W, 7, 0, 0]) for _ in range(10))
    # The fewest bytes run-length codes can fill the picture with: a run of
    # W pixels and an end of line a row.
    fewest = 4 * H - 2
    files = {
        # ten rows given a pixel at a time, then the file ends with no
        # end-of-bitmap code
        "rle-cut.bmp": rle8(b"".join(bytes([1, 7]) * W + bytes([0, 0]) for _ in range(10))),
        # a delta code jumps over most of the picture, then the bitmap ends;
        # what follows fills the file to the length the pixels could take
        "rle-skip.bmp": rle8(rows + bytes([0, 2, 5, 30, 4, 9, 0, 1]) + bytes(fewest)),
        # a 12-byte OS/2 header, its 24-bit rows cut off half way
        "os2-cut.bmp": bitmap(struct.pack("<IHHHH", 12, W, H, 1, 24), b"", bytes(range(256)) * (W * 3 * H // 2 // 256)),
        # a GIF whose data ends in its middle, without a trailer
        "cut.gif": gif()[:1200],
        # a 100 x 60 24-bit bitmap cut to 9000 of its 18054 bytes
        "cut24.bmp": bitmap(struct.pack("<IiiHHIIiiII", 40, 100, 60, 1, 24, 0, 0, 2835, 2835, 0, 0), b"",
                            bytes(range(256)) * 70)[:9000],
    }
    for name, data in files.items():
        with open(f"{folder}/{name}", "wb") as f:
            f.write(data)


main(sys.argv[1])
