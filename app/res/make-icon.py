#!/usr/bin/env python3
"""Draws Kalmora's icon, a folder with a picture on it (folder background), into Kalmora.ico.

One 32 x 32 image, 32 bits per pixel with alpha. Rerun after a change:
    python3 app/res/make-icon.py
"""
import os
import struct

SIZE = 32
TRANSPARENT = (0, 0, 0, 0)
OUTLINE = (120, 80, 10, 255)
FOLDER_BACK = (220, 160, 40, 255)
FOLDER_FRONT = (250, 200, 70, 255)
FRAME = (255, 255, 255, 255)
SKY = (110, 180, 240, 255)
SUN = (255, 230, 60, 255)
HILL = (60, 160, 70, 255)
HILL_FAR = (100, 190, 100, 255)


def draw():
    px = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    def frame(x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            px[y0][x] = px[y1][x] = colour
        for y in range(y0, y1 + 1):
            px[y][x0] = px[y][x1] = colour

    # The folder: a tab, the back sheet, then the front sheet.
    rect(2, 5, 12, 8, FOLDER_BACK)
    frame(2, 5, 12, 8, OUTLINE)
    rect(2, 8, 29, 27, FOLDER_BACK)
    frame(2, 8, 29, 27, OUTLINE)
    rect(2, 11, 29, 27, FOLDER_FRONT)
    frame(2, 11, 29, 27, OUTLINE)

    # The picture lying on the folder's front: sky, sun, two hills, in a white frame.
    x0, y0, x1, y1 = 7, 14, 24, 25
    rect(x0, y0, x1, y1, FRAME)
    rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, SKY)
    for y in range(y0 + 2, y0 + 6):
        for x in range(x1 - 6, x1 - 2):
            if (x - (x1 - 4.5)) ** 2 + (y - (y0 + 3.5)) ** 2 <= 3.2:
                px[y][x] = SUN
    for x in range(x0 + 1, x1):
        far = y1 - 1 - int(5 - abs(x - (x0 + 12)) * 0.6)
        near = y1 - 1 - int(4 - abs(x - (x0 + 5)) * 0.7)
        for y in range(max(far, y0 + 1), y1):
            px[y][x] = HILL_FAR
        for y in range(max(near, y0 + 1), y1):
            px[y][x] = HILL
    frame(x0, y0, x1, y1, OUTLINE)
    return px


def ico(px):
    xor = b"".join(
        struct.pack("BBBB", b, g, r, a) for row in reversed(px) for (r, g, b, a) in row
    )
    mask = bytearray()
    for row in reversed(px):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + bytes(mask)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + image


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "Kalmora.ico"), "wb") as out:
        out.write(ico(draw()))
