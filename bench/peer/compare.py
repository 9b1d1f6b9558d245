#!/usr/bin/python3
"""Runs the library's and Pillow's sides of the peer workloads in one run and prints the rates and
their ratios, then the quiz's marks against the limit that memory sets for them.

usage: compare.py BENCH_PEER [ROUNDS]   (BENCH_PEER: the built bench-peer program)

The two sides take turns, round by round: a round of every workload through the library, then
the same round through Pillow, so that a busy moment of a shared machine falls on both sides
alike. Each ratio is taken within a round; the table shows the median over the rounds (of the
rates and of the ratios) and the lowest and highest ratio.

The marks are drawn in a window too when a display is there, or on a virtual one when xvfb-run
is installed."""
import os
import shutil
import statistics
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import pillow_workloads  # noqa: E402  (beside this script)

WORKLOADS = [
    ("lines", "random lines across the image, 1 px"),
    ("rectangles", "filled rectangles 4-40 px with an outline"),
    ("ellipses", "filled ellipses 4-40 px with an outline"),
    ("hexagons", "60 px hexagons, filled, with an outline"),
]
MARKS = 22000


class KanvoSide:
    """bench-peer in its stepped mode: one round for every line it is sent."""

    def __init__(self, bench_peer):
        command = [bench_peer, "--stepped"]
        if os.environ.get("DISPLAY") or os.environ.get("WAYLAND_DISPLAY"):
            command.append("--window")
        elif shutil.which("xvfb-run"):
            command = ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24"] + command + ["--window"]
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True)

    def round(self):
        self.process.stdin.write("\n")
        self.process.stdin.flush()
        rates = {}
        for line in self.process.stdout:
            if line.strip() == "end":
                return rates
            name, value = line.split()
            rates[name] = float(value)
        raise RuntimeError("bench-peer ended before its round did")

    def close(self):
        self.process.stdin.close()
        if self.process.wait() != 0:
            raise RuntimeError("bench-peer failed")


def spread(values):
    return "%.1f-%.1f" % (min(values), max(values))


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    kanvo_side = KanvoSide(sys.argv[1])
    pillow_side = pillow_workloads.Workloads()
    kanvo, pillow = [], []
    try:
        for _ in range(rounds):
            kanvo.append(kanvo_side.round())
            pillow.append(pillow_side.round())
    finally:
        kanvo_side.close()

    print("%d rounds, medians; ratio spread lowest-highest" % rounds)
    print("%-44s %12s %12s %7s %10s" % ("workload (per second)", "Kanvo", "Pillow", "ratio",
                                        "spread"))
    for name, title in WORKLOADS:
        ratios = [k[name] / p[name] for k, p in zip(kanvo, pillow)]
        print("%-44s %12s %12s %6.1fx %10s" % (
            title, "{:,.0f}".format(statistics.median(k[name] for k in kanvo)),
            "{:,.0f}".format(statistics.median(p[name] for p in pillow)),
            statistics.median(ratios), spread(ratios)))

    # The limit is what memory allows for the marks: their rings written straight into the two
    # buffers a window draws into (its canvas and its screen pixels), measured in the same round.
    def took(rate):
        return MARKS / rate * 1e3

    print()
    print("quiz recipe 13, 22,000 marks (ms)            time   x limit     spread")
    print("%-40s %8.3f" % ("limit: rings into two buffers",
                           statistics.median(took(k["marks_limit"]) for k in kanvo)))
    for key, title in (("marks_image", "stroke_circle on an image"),
                       ("marks_window", "stroke_circle in an open window")):
        if key in kanvo[0]:
            times = [took(k[key]) for k in kanvo]
            ratios = [k["marks_limit"] / k[key] for k in kanvo]
            print("%-40s %8.3f %8.1fx %10s" % (title, statistics.median(times),
                                               statistics.median(ratios), spread(ratios)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
