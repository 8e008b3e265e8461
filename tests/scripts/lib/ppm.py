#!/usr/bin/env python3
"""Pixel queries on a binary PPM (P6) screenshot, for the end-to-end scripts.

  ppm.py locate FILE                     -> "X Y": origin of the layout view, found by
                                            the keyboard frame's white corner (29,19)
                                            with the black one (30,20) inside it and the
                                            view's grey (the palette's window colour) inside that
  ppm.py zoom FILE                       -> "OX OY SCALE": the zoomed layout view, found by the
                                            keyboard frame's lit top and left edges (logical
                                            (29,19) to (729,19) and down to (29,299))
  ppm.py contrast FILE X Y W H R G B     -> the highest WCAG contrast ratio (times 100) of a
                                            pixel of the rectangle (screen coordinates) to R G B
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

    if cmd == 'zoom':
        for y in range(1, 300):
            for x in range(3, 300):
                c = px(x, y)
                if px(x - 1, y) == c or px(x + 600, y) != c or px(x, y + 200) != c \
                        or px(x + 8, y + 8) == c or px(x - 3, y + 50) == c:
                    continue
                run = 0
                while x + run < width and px(x + run, y) == c:
                    run += 1
                down = 0
                while y + down < height and px(x, y + down) == c:
                    down += 1
                if run < 690 or abs(run / 701.0 - down / 281.0) > 0.05:
                    continue  # not the frame: its lit edges are 701 x 281 view pixels long
                scale = run / 701.0
                print(round(x - 29 * scale), round(y - 19 * scale), '%.3f' % scale)
                return 0
        return 1

    if cmd == 'contrast':
        x, y, w, h, r, g, b = map(int, sys.argv[3:10])

        def lum(p):
            def lin(v):
                v /= 255.0
                return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
            return 0.2126 * lin(p[0]) + 0.7152 * lin(p[1]) + 0.0722 * lin(p[2])

        ref = lum((r, g, b))
        best = 1.0
        for j in range(y, y + h):
            for i in range(x, x + w):
                l = lum(px(i, j))
                best = max(best, (max(l, ref) + 0.05) / (min(l, ref) + 0.05))
        print(int(best * 100))
        return 0

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
