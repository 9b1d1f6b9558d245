// The library's side of the peer comparison (bench/peer/compare.py runs both sides): the
// workloads of workloads.h through the public functions on a 640 x 480 image, then the quiz's
// densest graph (recipe 13, 22,000 marks through stroke_circle) beside the limit that memory sets
// for it: the same rings written straight into the two buffers of a window (its canvas and its
// screen pixels). Prints one line per workload: NAME ITEMS_PER_SECOND, the best of several
// rounds. With --window the marks are also drawn in an open window, which needs a display.
// With --stepped it runs one round for every line read from its input and prints that round's
// rates followed by a line "end", so that a driver can put the peer's rounds between ours.
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

// The marks take well under a millisecond: each round keeps the best of a few tries.
constexpr int kMarkTries = 4;

template <typename Draw>
double best_rate(int tries, std::size_t items, Draw&& draw) {
  double best = 1e300;
  for (int t = 0; t < tries; ++t) {
    const auto start = Clock::now();
    draw();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return static_cast<double>(items) / best;
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

struct Rate {
  const char* name;
  double per_second;
};

// Everything drawn in one round, with what it needs made once.
class Workloads {
 public:
  explicit Workloads(bool window)
      : lines_(kanvo::peer::random_lines(kanvo::peer::kLines)),
        boxes_(kanvo::peer::random_boxes(kanvo::peer::kBoxes)),
        centres_(kanvo::peer::random_centres(kanvo::peer::kHexagons)),
        marks_(recipe_marks(13)),
        ring_(ring_of_a_mark()),
        buffers_(2, std::vector<std::uint32_t>(kSide * kSide, 0)),
        image_(kanvo::peer::kWidth, kanvo::peer::kHeight),
        graph_(kSide, kSide),
        window_(window) {
    // Opened once: every open leaves its window's thread behind until the program ends.
    if (window_) kanvo::open_window(kSide, kSide, 0);
  }
  ~Workloads() {
    if (window_) kanvo::close_window();
  }
  Workloads(const Workloads&) = delete;
  Workloads& operator=(const Workloads&) = delete;

  // One try of each picture workload and the best of a few of each marks workload.
  std::vector<Rate> round() {
    std::vector<Rate> rates;
    kanvo::set_working_image(&image_);
    kanvo::set_line_color(kWhite);
    kanvo::set_fill_color(kFill);
    rates.push_back({"lines", best_rate(1, lines_.size(), [&] {
                       for (const Box& l : lines_)
                         kanvo::draw_line(l.left, l.top, l.right, l.bottom);
                     })});
    rates.push_back({"rectangles", best_rate(1, boxes_.size(), [&] {
                       for (const Box& b : boxes_)
                         kanvo::draw_rect(b.left, b.top, b.right, b.bottom);
                     })});
    rates.push_back({"ellipses", best_rate(1, boxes_.size(), [&] {
                       for (const Box& b : boxes_) {
                         kanvo::draw_ellipse(b.left, b.top, b.right, b.bottom);
                       }
                     })});
    rates.push_back({"hexagons", best_rate(1, centres_.size(), [&] { draw_hexagons(); })});
    rates.push_back({"marks_limit", best_rate(kMarkTries, marks_.size(), [&] {
                       write_rings(marks_, ring_, buffers_, kSide, kSide);
                     })});
    kanvo::set_working_image(&graph_);
    kanvo::set_color(kWhite);
    rates.push_back({"marks_image", best_rate(kMarkTries, marks_.size(), [&] { draw_marks(); })});
    kanvo::set_working_image(nullptr);  // back to the window, if one is open
    if (window_) {
      kanvo::set_color(kWhite);
      rates.push_back(
          {"marks_window", best_rate(kMarkTries, marks_.size(), [&] { draw_marks(); })});
    }
    return rates;
  }

 private:
  static constexpr int kSide = 460;

  void draw_hexagons() const {
    kanvo::Point corners[6];
    for (const Box& c : centres_) {
      for (int k = 0; k < 6; ++k) {
        corners[k] = {c.left + kanvo::peer::kHexagon[k][0], c.top + kanvo::peer::kHexagon[k][1]};
      }
      kanvo::draw_polygon(corners, 6);
    }
  }
  void draw_marks() const {
    for (const kanvo::quiz::Mark& m : marks_) kanvo::stroke_circle(m.x, m.y, 2);
  }

  std::vector<Box> lines_, boxes_, centres_;
  std::vector<kanvo::quiz::Mark> marks_;
  std::vector<Offset> ring_;
  std::vector<std::vector<std::uint32_t>> buffers_;
  kanvo::CanvasImage image_, graph_;
  bool window_;
};

void print(const std::vector<Rate>& rates) {
  for (const Rate& rate : rates) std::printf("%s %.0f\n", rate.name, rate.per_second);
}

}  // namespace

int main(int argc, char** argv) {
  bool window = false, stepped = false;
  int rounds = 5;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--window") == 0) {
      window = true;
    } else if (std::strcmp(argv[i], "--stepped") == 0) {
      stepped = true;
    } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: bench-peer [--window] [--rounds N | --stepped]\n");
      return 2;
    }
  }
  Workloads workloads(window);
  if (stepped) {
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
      if (c != '\n') continue;
      print(workloads.round());
      std::printf("end\n");
      std::fflush(stdout);
    }
    return 0;
  }
  std::vector<Rate> best = workloads.round();
  for (int round = 1; round < rounds; ++round) {
    const std::vector<Rate> rates = workloads.round();
    for (std::size_t k = 0; k < best.size(); ++k) {
      best[k].per_second = std::max(best[k].per_second, rates[k].per_second);
    }
  }
  print(best);
  return 0;
}
