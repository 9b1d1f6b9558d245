// The library's side of the peer comparison (bench/peer/compare.py runs both sides): the
// workloads of workloads.h through the public functions on a 640 x 480 image, then the quiz's
// densest graph (recipe 13, 22,000 marks through stroke_circle) beside the limit that memory sets
// for it: the same rings written straight into the two buffers of a window (its canvas and its
// screen pixels). Prints one line per workload: NAME ITEMS_PER_SECOND, the best of several
// rounds. With --window the marks are also drawn in an open window, which needs a display.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/peer/workloads.h"
#include "graphics/kanvo.h"
#include "quiz/plot_marks.h"
#include "quiz/plot_recipe.h"

namespace {

using kanvo::peer::Box;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kFill = 0x50C8FA;  // 0x00BBGGRR of (250, 200, 80)

template <typename Draw>
double best_rate(int rounds, std::size_t items, Draw&& draw) {
  double best = 1e300;
  for (int round = 0; round < rounds; ++round) {
    const auto start = Clock::now();
    draw();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return static_cast<double>(items) / best;
}

void report(const char* name, double rate) {
  std::printf("%s %.0f\n", name, rate);
  std::fflush(stdout);
}

std::vector<kanvo::quiz::Mark> recipe_marks(int index) {
  std::vector<kanvo::quiz::Mark> marks;
  kanvo::quiz::for_each_mark(*kanvo::quiz::plot_recipe(index),
                             [&](kanvo::quiz::Mark mark) { marks.push_back(mark); });
  return marks;
}

struct Offset {
  int dx, dy;
};

// The pixels one stroke_circle of radius 2 paints, relative to its centre.
std::vector<Offset> ring_of_a_mark() {
  constexpr int kSide = 16, kCentre = 8;
  kanvo::CanvasImage image(kSide, kSide);
  kanvo::set_working_image(&image);
  kanvo::set_color(kWhite);
  kanvo::stroke_circle(kCentre, kCentre, 2);
  std::vector<Offset> ring;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (image.pixels()[y * kSide + x] != 0) ring.push_back({x - kCentre, y - kCentre});
    }
  }
  kanvo::set_working_image(nullptr);
  return ring;
}

// Writes every mark's ring into each of the buffers, clipped to the picture.
void write_rings(const std::vector<kanvo::quiz::Mark>& marks, const std::vector<Offset>& ring,
                 std::vector<std::vector<std::uint32_t>>& buffers, int width, int height) {
  for (const kanvo::quiz::Mark& mark : marks) {
    for (const Offset& offset : ring) {
      const int x = mark.x + offset.dx, y = mark.y + offset.dy;
      if (x < 0 || y < 0 || x >= width || y >= height) continue;
      for (std::vector<std::uint32_t>& buffer : buffers) buffer[y * width + x] = kWhite;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool window = false;
  int rounds = 5;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--window") == 0) {
      window = true;
    } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: bench-peer [--window] [--rounds N]\n");
      return 2;
    }
  }
  const std::vector<Box> lines = kanvo::peer::random_lines(kanvo::peer::kLines);
  const std::vector<Box> boxes = kanvo::peer::random_boxes(kanvo::peer::kBoxes);
  const std::vector<Box> centres = kanvo::peer::random_centres(kanvo::peer::kHexagons);

  kanvo::CanvasImage image(kanvo::peer::kWidth, kanvo::peer::kHeight);
  kanvo::set_working_image(&image);
  kanvo::set_line_color(kWhite);
  kanvo::set_fill_color(kFill);
  report("lines", best_rate(rounds, lines.size(), [&] {
           for (const Box& l : lines) kanvo::draw_line(l.left, l.top, l.right, l.bottom);
         }));
  report("rectangles", best_rate(rounds, boxes.size(), [&] {
           for (const Box& b : boxes) kanvo::draw_rect(b.left, b.top, b.right, b.bottom);
         }));
  report("ellipses", best_rate(rounds, boxes.size(), [&] {
           for (const Box& b : boxes) kanvo::draw_ellipse(b.left, b.top, b.right, b.bottom);
         }));
  report("hexagons", best_rate(rounds, centres.size(), [&] {
           kanvo::Point corners[6];
           for (const Box& c : centres) {
             for (int k = 0; k < 6; ++k) {
               corners[k] = {c.left + kanvo::peer::kHexagon[k][0],
                             c.top + kanvo::peer::kHexagon[k][1]};
             }
             kanvo::draw_polygon(corners, 6);
           }
         }));
  kanvo::set_working_image(nullptr);

  constexpr int kSide = 460;
  const std::vector<kanvo::quiz::Mark> marks = recipe_marks(13);
  const std::vector<Offset> ring = ring_of_a_mark();
  std::vector<std::vector<std::uint32_t>> buffers(2, std::vector<std::uint32_t>(kSide * kSide, 0));
  report("marks_limit", best_rate(rounds * 4, marks.size(),
                                  [&] { write_rings(marks, ring, buffers, kSide, kSide); }));
  kanvo::CanvasImage graph(kSide, kSide);
  kanvo::set_working_image(&graph);
  kanvo::set_color(kWhite);
  report("marks_image", best_rate(rounds * 4, marks.size(), [&] {
           for (const kanvo::quiz::Mark& m : marks) kanvo::stroke_circle(m.x, m.y, 2);
         }));
  kanvo::set_working_image(nullptr);
  if (window) {
    kanvo::open_window(kSide, kSide, 0);
    kanvo::set_color(kWhite);
    report("marks_window", best_rate(rounds * 4, marks.size(), [&] {
             for (const kanvo::quiz::Mark& m : marks) kanvo::stroke_circle(m.x, m.y, 2);
           }));
    kanvo::close_window();
  }
  return 0;
}
