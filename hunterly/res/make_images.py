#!/usr/bin/env python3
"""Draws the program's toolbar bitmap and icons as plain pixel art.

Run it again after changing a drawing; the files it writes are kept in the
repository so that a build needs no Python.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 standard colours; the toolbar maps black, the greys and white to
# the system's button colours.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = -1


class Canvas:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def box(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def hline(self, x0, x1, y, colour):
        self.box(x0, y, x1, y, colour)

    def ring(self, cx, cy, outer, inner, colour, fill=None):
        for y in range(self.height):
            for x in range(self.width):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if inner ** 2 < d <= outer ** 2:
                    self.put(x, y, colour)
                elif fill is not None and d <= inner ** 2:
                    self.put(x, y, fill)


def page(c, x0, y0, x1, y1):
    c.box(x0, y0, x1, y1, WHITE)
    c.frame(x0, y0, x1, y1, BLACK)
    c.box(x1 - 2, y0, x1, y0 + 2, SILVER)
    c.put(x1 - 3, y0 + 1, BLACK)
    c.hline(x1 - 3, x1, y0 + 3, BLACK)
    for y in range(y0 + 1, y0 + 4):
        c.put(x1 - 3, y, BLACK)


def bars(c, ox):
    c.hline(ox + 1, ox + 14, 13, BLACK)
    for y in range(2, 14):
        c.put(ox + 1, y, BLACK)
    c.box(ox + 3, 8, ox + 5, 12, BLUE)
    c.box(ox + 7, 4, ox + 9, 12, RED)
    c.box(ox + 11, 6, ox + 13, 12, GREEN)


def toolbar():
    c = Canvas(16 * 14, 15, SILVER)
    # 0 new search: an empty page
    page(c, 3, 1, 12, 13)
    # 1 last analysis: a bar chart
    bars(c, 16)
    # 2 full analysis: the chart over a whole drive
    bars(c, 32)
    c.frame(32, 0, 47, 14, NAVY)
    # 3 store results: a disk
    ox = 48
    c.box(ox + 2, 1, ox + 13, 13, NAVY)
    c.box(ox + 4, 1, ox + 11, 5, WHITE)
    c.box(ox + 5, 9, ox + 10, 13, SILVER)
    c.box(ox + 8, 10, ox + 9, 12, NAVY)
    # 6 restore results: an open folder
    ox = 96
    c.box(ox + 1, 4, ox + 13, 12, OLIVE)
    c.box(ox + 1, 3, ox + 5, 4, OLIVE)
    c.box(ox + 3, 7, ox + 14, 12, YELLOW)
    c.frame(ox + 1, 3, ox + 13, 12, BLACK)
    # 7 compare stored results: two pages
    page(c, 112 + 1, 1, 112 + 8, 10)
    page(c, 112 + 6, 4, 112 + 14, 14)
    # 10 small icons
    ox = 160
    for row in (2, 7, 12):
        for col in (1, 9):
            c.box(ox + col, row, ox + col + 1, row + 1, BLUE)
            c.hline(ox + col + 3, ox + col + 5, row + 1, BLACK)
    # 11 list
    ox = 176
    for row in (1, 5, 9, 13):
        c.box(ox + 2, row, ox + 3, row + 1, BLUE)
        c.hline(ox + 5, ox + 13, row + 1, BLACK)
    # 12 large icons
    ox = 192
    for row in (1, 8):
        for col in (2, 9):
            c.box(ox + col, row, ox + col + 4, row + 4, BLUE)
            c.frame(ox + col, row, ox + col + 4, row + 4, NAVY)
    # 13 report
    ox = 208
    c.box(ox + 1, 1, ox + 14, 3, GREY)
    c.frame(ox + 1, 1, ox + 14, 13, BLACK)
    for row in (5, 7, 9, 11):
        c.hline(ox + 3, ox + 13, row, BLACK)
    c.box(ox + 6, 1, ox + 6, 13, BLACK)
    return c


def magnifier(c, cx, cy, radius):
    c.ring(cx, cy, radius, radius - max(2, radius // 4), NAVY, AQUA)
    step = radius * 7 // 10
    for t in range(radius):
        for w in range(-max(1, radius // 6), max(1, radius // 6) + 1):
            c.put(cx + step + t + w, cy + step + t, MAROON)
            c.put(cx + step + t, cy + step + t + w, MAROON)


def program_icon(size):
    c = Canvas(size, size, CLEAR)
    s = size / 32
    page(c, int(4 * s), int(1 * s), int(22 * s), int(28 * s))
    magnifier(c, int(17 * s), int(15 * s), int(9 * s))
    return c


def document_icon(size):
    c = Canvas(size, size, CLEAR)
    s = size / 32
    page(c, int(5 * s), int(1 * s), int(26 * s), int(30 * s))
    for row in range(8, 28, 4):
        c.hline(int(8 * s), int(23 * s), int(row * s), GREY)
    magnifier(c, int(14 * s), int(18 * s), int(6 * s))
    return c


def add_icon(size):
    # a green plus
    c = Canvas(size, size, CLEAR)
    s = size / 16
    c.box(int(6 * s), int(2 * s), int(9 * s + s - 1), int(13 * s + s - 1), GREEN)
    c.box(int(2 * s), int(6 * s), int(13 * s + s - 1), int(9 * s + s - 1), GREEN)
    c.box(int(7 * s), int(3 * s), int(8 * s + s - 1), int(12 * s + s - 1), LIME)
    c.box(int(3 * s), int(7 * s), int(12 * s + s - 1), int(8 * s + s - 1), LIME)
    return c


def cross(c, s, colour):
    for t in range(int(3 * s), int(13 * s)):
        for w in range(-int(s), int(s) + 1):
            c.put(t + w, t, colour)
            c.put(int(15 * s) - 1 - t - w, t, colour)


def clear_icon(size):
    # a page struck through in red
    c = Canvas(size, size, CLEAR)
    s = size / 16
    page(c, int(2 * s), 0, int(12 * s), size - 1)
    cross(c, s, RED)
    return c


def remove_icon(size):
    # a red cross
    c = Canvas(size, size, CLEAR)
    cross(c, size / 16, RED)
    return c


def folder_icon(size):
    c = Canvas(size, size, CLEAR)
    s = size / 16
    c.box(int(1 * s), int(3 * s), int(6 * s), int(5 * s), OLIVE)
    c.box(int(1 * s), int(4 * s), int(14 * s), int(13 * s), YELLOW)
    c.frame(int(1 * s), int(4 * s), int(14 * s), int(13 * s), OLIVE)
    return c


def boxes_icon(checked):
    """Two check boxes, marked or empty: the attributes page's select all
    and clear all."""
    c = Canvas(16, 16, CLEAR)
    for oy in (0, 9):
        c.box(2, oy, 8, oy + 6, WHITE)
        c.frame(2, oy, 8, oy + 6, BLACK)
        c.hline(10, 14, oy + 3, GREY)
        if checked:
            for x, y in ((3, 3), (4, 4), (5, 5), (6, 4), (7, 3)):
                c.box(x, oy + y - 1, x, oy + y, GREEN)
    if not checked:
        for t in range(6):
            c.put(9 + t, 9 + t, RED)
            c.put(14 - t, 9 + t, RED)
    return c


def write_bitmap(path, c):
    row = (c.width + 3) & ~3
    data = b''.join(bytes(c.pixels[y]) + b'\0' * (row - c.width)
                    for y in reversed(range(c.height)))
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, c.width, c.height, 1, 8, 0, len(data),
                       2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    head = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(head + info + palette + data)


def icon_image(c):
    pixels = b''
    for y in reversed(range(c.height)):
        for x in range(c.width):
            v = c.pixels[y][x]
            if v == CLEAR:
                pixels += b'\0\0\0\0'
            else:
                r, g, b = PALETTE[v]
                pixels += bytes((b, g, r, 255))
    mask_row = ((c.width + 31) // 32) * 4
    mask = b''
    for y in reversed(range(c.height)):
        bits = bytearray(mask_row)
        for x in range(c.width):
            if c.pixels[y][x] == CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    info = struct.pack('<IiiHHIIiiII', 40, c.width, c.height * 2, 1, 32, 0,
                       len(pixels) + len(mask), 0, 0, 0, 0)
    return info + pixels + mask


def write_icon(path, canvases):
    images = [icon_image(c) for c in canvases]
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for c, image in zip(canvases, images):
        entries += struct.pack('<BBBBHHII', c.width % 256, c.height % 256, 0, 0, 1, 32,
                               len(image), offset)
        offset += len(image)
    with open(path, 'wb') as f:
        f.write(head + entries + b''.join(images))


write_bitmap(os.path.join(HERE, 'toolbar.bmp'), toolbar())
write_icon(os.path.join(HERE, 'hunterly.ico'), [program_icon(32), program_icon(16)])
write_icon(os.path.join(HERE, 'document.ico'), [document_icon(32), document_icon(16)])
for name, draw in (('add', add_icon), ('clear', clear_icon), ('remove', remove_icon),
                   ('folder', folder_icon)):
    write_icon(os.path.join(HERE, name + '.ico'), [draw(32), draw(16)])
write_icon(os.path.join(HERE, 'selectall.ico'), [boxes_icon(True)])
write_icon(os.path.join(HERE, 'clearall.ico'), [boxes_icon(False)])
