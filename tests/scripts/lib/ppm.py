#!/usr/bin/env python3
"""Pixel queries on a binary PPM (P6) screenshot, for the end-to-end scripts.

  ppm.py locate FILE                     -> "X Y": origin of the layout view, found by
                                            the keyboard frame's white corner (29,19)
                                            with the black one (30,20) inside it and the
                                            view's grey (the palette's window colour) inside that
  ppm.py pixel FILE OX OY X Y            -> "R G B" at view coordinates (X, Y)
  ppm.py ink   FILE OX OY X Y W H        -> number of dark pixels (text) in the rectangle
  ppm.py blue  FILE OX OY X Y W H        -> number of bluish pixels (a progress bar's fill)
  ppm.py count FILE OX OY X Y W H R G B  -> number of pixels of exactly that colour
"""
import sys


def load(path):
    data = open(path, 'rb').read()
    fields, pos = [], 0
    while len(fields) < 4:  # P6 width height maxval
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b'P6':
        sys.exit('not a binary PPM: ' + path)
    return data, pos + 1, int(fields[1]), int(fields[2])


def main():
    cmd, path = sys.argv[1], sys.argv[2]
    data, start, width, height = load(path)

    def px(x, y):
        if not (0 <= x < width and 0 <= y < height):
            return (-1, -1, -1)
        i = start + 3 * (y * width + x)
        return tuple(data[i:i + 3])

    if cmd == 'locate':
        white, black = (255, 255, 255), (0, 0, 0)

        def grey(p):
            return p[0] == p[1] == p[2] and 150 <= p[0] < 255

        for y in range(0, 400):
            for x in range(0, 300):
                if px(x, y) == white and px(x + 1, y + 1) == black and grey(px(x + 2, y + 2)) \
                        and px(x + 700, y) == white and px(x + 701, y + 1) == black:
                    print(x - 29, y - 19)
                    return 0
        return 1

    ox, oy, x, y = map(int, sys.argv[3:7])
    if cmd == 'pixel':
        print(*px(ox + x, oy + y))
        return 0
    w, h = map(int, sys.argv[7:9])
    pixels = [px(ox + i, oy + j) for j in range(y, y + h) for i in range(x, x + w)]
    if cmd == 'ink':
        print(sum(1 for p in pixels if p[0] >= 0 and sum(p) < 200))
    elif cmd == 'blue':
        print(sum(1 for p in pixels if p[2] > p[0] + 60))
    elif cmd == 'count':
        colour = tuple(map(int, sys.argv[9:12]))
        print(sum(1 for p in pixels if p == colour))
    else:
        sys.exit('unknown query: ' + cmd)
    return 0


if __name__ == '__main__':
    sys.exit(main())
