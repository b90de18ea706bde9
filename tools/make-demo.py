#!/usr/bin/env python3
"""Prepares the run command's demo: a folder with a Desktop.ini and a sample picture beside it.

Usage: make-demo.py DEMO_DIR WINDOWS_PATH_OF_DEMO_DIR

The Desktop.ini is written in the 8-bit code page Kalmora reads it with (932), whatever
characters the path holds, and written whole or not at all: one that is missing or empty is made
anew.
"""
import os
import struct
import sys


def sample_bmp(width=160, height=120):
    """A 24-bit sky-to-meadow gradient with a sun, as an uncompressed BMP."""
    rows = []
    for y in range(height):  # BMP rows run bottom-up
        top = height - 1 - y
        row = bytearray()
        for x in range(width):
            if (x - 120) ** 2 + (top - 30) ** 2 < 180:
                r, g, b = 255, 220, 60
            elif top < 80:
                r, g, b = 90 + top, 160 + top // 2, 235
            else:
                r, g, b = 40, 150 - (top - 80), 60
            row += bytes((b, g, r))
        row += b"\0" * ((4 - len(row) % 4) % 4)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    demo, windows_demo = sys.argv[1], sys.argv[2]
    folder = os.path.join(demo, "DemoFolder")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(demo, "sample.bmp"), "wb") as out:
        out.write(sample_bmp())
    ini = os.path.join(folder, "Desktop.ini")
    if not os.path.exists(ini) or os.path.getsize(ini) == 0:
        text = (
            "[.ShellClassInfo]\r\n"
            "InfoTip=Kalmora demo folder\r\n"
            "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n"
            "IconArea_Image=%s\\sample.bmp\r\n"
            "Attributes=1\r\n"
            "IconArea_Text=0x00ffffff\r\n"
            "IconArea_TextBackground=0x00804000\r\n" % windows_demo
        ).encode("cp932")
        with open(ini + ".new", "wb") as out:
            out.write(text)
        os.replace(ini + ".new", ini)
    print(folder)


if __name__ == "__main__":
    main()
