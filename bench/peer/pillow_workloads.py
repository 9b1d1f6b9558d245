#!/usr/bin/python3
"""The peer's side of the comparison: the workloads of workloads.h drawn with Pillow's ImageDraw
on a 640 x 480 picture, the arguments rebuilt from the same xorshift32 sequence. Prints one line
per workload: NAME ITEMS_PER_SECOND (the best of several rounds). compare.py imports it and runs
its rounds one at a time, between the library's."""
import sys
import time

from PIL import Image, ImageDraw

WIDTH, HEIGHT = 640, 480
LINES, BOXES, HEXAGONS = 20000, 20000, 5000
HEXAGON = [(30, 0), (15, 26), (-15, 26), (-30, 0), (-15, -26), (15, -26)]


def xorshift32():
    state = 2463534242
    while True:
        state ^= (state << 13) & 0xFFFFFFFF
        state ^= state >> 17
        state ^= (state << 5) & 0xFFFFFFFF
        yield state


def random_lines(count):
    r = xorshift32()
    return [(next(r) % WIDTH, next(r) % HEIGHT, next(r) % WIDTH, next(r) % HEIGHT)
            for _ in range(count)]


def random_boxes(count):
    r = xorshift32()
    boxes = []
    for _ in range(count):
        left = next(r) % (WIDTH - 40)
        top = next(r) % (HEIGHT - 40)
        right = left + 4 + next(r) % 37
        bottom = top + 4 + next(r) % 37
        boxes.append((left, top, right - 1, bottom - 1))  # Pillow's boxes include both ends
    return boxes


def random_hexagons(count):
    r = xorshift32()
    hexagons = []
    for _ in range(count):
        cx = 30 + next(r) % (WIDTH - 60)
        cy = 30 + next(r) % (HEIGHT - 60)
        hexagons.append([(cx + dx, cy + dy) for dx, dy in HEXAGON])
    return hexagons


class Workloads:
    """Everything drawn in one round, with the arguments made once."""

    def __init__(self):
        self.lines = random_lines(LINES)
        self.boxes = random_boxes(BOXES)
        self.hexagons = random_hexagons(HEXAGONS)

    def round(self):
        """One try of each workload: {name: items per second}."""
        white, fill = (255, 255, 255), (250, 200, 80)

        def draw_lines(draw):
            for line in self.lines:
                draw.line(line, fill=white, width=1)

        def draw_rects(draw):
            for box in self.boxes:
                draw.rectangle(box, fill=fill, outline=white)

        def draw_ellipses(draw):
            for box in self.boxes:
                draw.ellipse(box, fill=fill, outline=white)

        def draw_hexagons(draw):
            for hexagon in self.hexagons:
                draw.polygon(hexagon, fill=fill, outline=white)

        return {"lines": rate(LINES, draw_lines),
                "rectangles": rate(BOXES, draw_rects),
                "ellipses": rate(BOXES, draw_ellipses),
                "hexagons": rate(HEXAGONS, draw_hexagons)}


def rate(count, draw_all):
    picture = Image.new("RGB", (WIDTH, HEIGHT))
    draw = ImageDraw.Draw(picture)
    start = time.perf_counter()
    draw_all(draw)
    return count / (time.perf_counter() - start)


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    workloads = Workloads()
    best = {}
    for _ in range(rounds):
        for name, value in workloads.round().items():
            best[name] = max(best.get(name, 0.0), value)
    for name, value in best.items():
        print("%s %.0f" % (name, value))


if __name__ == "__main__":
    main()
