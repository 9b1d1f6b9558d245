#!/usr/bin/python3
"""Runs the library's and Pillow's sides of the peer workloads in one run and prints the rates and
their ratios, then the quiz's marks against the limit that memory sets for them.

usage: compare.py BENCH_PEER [ROUNDS]   (BENCH_PEER: the built bench-peer program)

The marks are drawn in a window too when a display is there, or on a virtual one when xvfb-run
is installed."""
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
WORKLOADS = [
    ("lines", "random lines across the image, 1 px"),
    ("rectangles", "filled rectangles 4-40 px with an outline"),
    ("ellipses", "filled ellipses 4-40 px with an outline"),
    ("hexagons", "60 px hexagons, filled, with an outline"),
]


def rates(command):
    out = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    return {name: float(value) for name, value in (line.split() for line in out.splitlines())}


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    bench_peer = sys.argv[1]
    rounds = sys.argv[2] if len(sys.argv) > 2 else "5"
    kanvo_command = [bench_peer, "--rounds", rounds]
    if os.environ.get("DISPLAY") or os.environ.get("WAYLAND_DISPLAY"):
        kanvo_command.append("--window")
    elif shutil.which("xvfb-run"):
        kanvo_command = ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24"] + kanvo_command + [
            "--window"]
    kanvo = rates(kanvo_command)
    pillow = rates([sys.executable, os.path.join(HERE, "pillow_workloads.py"), rounds])

    print("%-44s %12s %12s %7s" % ("workload (per second)", "Kanvo", "Pillow", "ratio"))
    for name, title in WORKLOADS:
        print("%-44s %12s %12s %6.1fx" % (title, "{:,.0f}".format(kanvo[name]),
                                          "{:,.0f}".format(pillow[name]),
                                          kanvo[name] / pillow[name]))
    # The limit is what memory allows for the marks: their rings written straight into the two
    # buffers a window draws into (its canvas and its screen pixels), measured in the same run.
    marks = 22000
    limit = marks / kanvo["marks_limit"] * 1e3
    print()
    print("quiz recipe 13, 22,000 marks (ms)            time   x limit")
    print("%-40s %8.3f" % ("limit: rings into two buffers", limit))
    for key, title in (("marks_image", "stroke_circle on an image"),
                       ("marks_window", "stroke_circle in an open window")):
        if key in kanvo:
            took = marks / kanvo[key] * 1e3
            print("%-40s %8.3f %8.1fx" % (title, took, took / limit))
    return 0


if __name__ == "__main__":
    sys.exit(main())
