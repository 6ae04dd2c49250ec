#!/usr/bin/env python3
"""What a virtual X server's screen shows, read from the frame buffer that
Xvfb -fbdir keeps as an XWD file. Answers one request a line on stdin, so
that a test pays for one interpreter start:

    page X Y           the white area around the point: "x0 y0 x1 y1"
    red X0 Y0 X1 Y1    how many pixels of the area are spell-check red
"""
import struct
import sys


def answer(path, request):
    data = open(path, 'rb').read()
    header = struct.unpack('>25I', data[:100])
    size, width, height = header[0], header[4], header[5]
    order, line, colours = header[7], header[12], header[19]
    start = size + colours * 12

    def rgb(x, y):
        p = data[start + y * line + x * 4:start + y * line + x * 4 + 4]
        return (p[2], p[1], p[0]) if order == 0 else (p[1], p[2], p[3])

    def white(x, y):
        return min(rgb(x, y)) >= 250

    def red(x, y):
        r, g, b = rgb(x, y)
        return r > 180 and g < 90 and b < 90

    command, *args = request.split()
    args = [int(a) for a in args]
    if command == 'page':
        x, y = args
        x0 = x1 = x
        y0 = y1 = y
        while x0 > 0 and white(x0 - 1, y):
            x0 -= 1
        while x1 < width - 1 and white(x1 + 1, y):
            x1 += 1
        while y0 > 0 and white(x, y0 - 1):
            y0 -= 1
        while y1 < height - 1 and white(x, y1 + 1):
            y1 += 1
        return '%d %d %d %d' % (x0, y0, x1 + 1, y1 + 1)
    x0, y0, x1, y1 = args
    return str(sum(1 for y in range(y0, y1) for x in range(x0, x1) if red(x, y)))


for request in sys.stdin:
    print(answer(sys.argv[1], request), flush=True)
