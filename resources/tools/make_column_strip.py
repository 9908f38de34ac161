#!/usr/bin/env python3
"""Writes bitmaps/column_strip.bmp: the strip of worksheet images a colour list shows
beside its column entries, 16x16 pixels each, magenta where the row shows through.

Image 0 is a worksheet; image 1 a worksheet with one column marked, the mark of a colour
taken from a column. Run from resources/ when the images change; the bitmap is kept in
the repository so that the build needs no Python.
"""
import sys

from bmp import write_bmp

W, H, COUNT = 16, 16, 2
KEY = (255, 0, 255)
WHITE = (255, 255, 255)
GRID = (128, 128, 128)
HEADER = (192, 192, 192)
FRAME = (64, 64, 64)
MARK = (0, 96, 192)
MARK_HEADER = (0, 64, 128)


def sheet(marked):
    """One 16x16 image as rows of (r, g, b), top row first."""
    img = [[KEY] * W for _ in range(H)]
    left, top, right, bottom = 1, 1, 14, 14  # inclusive frame
    cols = [1, 5, 9, 14]   # vertical grid lines
    rows = [1, 4, 7, 10, 14]
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            header = y < rows[1]
            in_mark = marked and cols[1] < x < cols[2]
            if in_mark:
                img[y][x] = MARK_HEADER if header else MARK
            else:
                img[y][x] = HEADER if header else WHITE
    for y in range(top, bottom + 1):
        for x in cols:
            img[y][x] = FRAME if x in (left, right) else GRID
    for x in range(left, right + 1):
        for y in rows:
            img[y][x] = FRAME if y in (top, bottom) else GRID
    return img


def side_by_side(images):
    """The images' rows joined left to right."""
    return [sum((img[y] for img in images), []) for y in range(H)]


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "bitmaps/column_strip.bmp"
    write_bmp(out, side_by_side([sheet(False), sheet(True)]))
