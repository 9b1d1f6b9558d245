// The workloads that the library and a peer library both draw, generated alike on both sides:
// a 640 x 480 picture and the same pseudo-random arguments (xorshift32 from a fixed seed, so
// the peer's script rebuilds them exactly; see pillow_workloads.py).
#pragma once

#include <cstdint>
#include <vector>

namespace kanvo::peer {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

class Xorshift32 {
 public:
  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int below(int bound) { return static_cast<int>(next() % static_cast<std::uint32_t>(bound)); }

 private:
  std::uint32_t state_ = 2463534242u;
};

struct Box {
  int left, top, right, bottom;  // right and bottom excluded
};

// Random lines across the whole picture: x1 y1 x2 y2 each.
inline std::vector<Box> random_lines(int count) {
  Xorshift32 random;
  std::vector<Box> lines(static_cast<std::size_t>(count));
  for (Box& line : lines) {
    line.left = random.below(kWidth);
    line.top = random.below(kHeight);
    line.right = random.below(kWidth);
    line.bottom = random.below(kHeight);
  }
  return lines;
}

// Boxes of 4 to 40 pixels a side anywhere on the picture.
inline std::vector<Box> random_boxes(int count) {
  Xorshift32 random;
  std::vector<Box> boxes(static_cast<std::size_t>(count));
  for (Box& box : boxes) {
    box.left = random.below(kWidth - 40);
    box.top = random.below(kHeight - 40);
    box.right = box.left + 4 + random.below(37);
    box.bottom = box.top + 4 + random.below(37);
  }
  return boxes;
}

// Centres of hexagons 60 pixels across, kept on the picture.
inline std::vector<Box> random_centres(int count) {
  Xorshift32 random;
  std::vector<Box> centres(static_cast<std::size_t>(count));
  for (Box& centre : centres) {
    centre.left = 30 + random.below(kWidth - 60);
    centre.top = 30 + random.below(kHeight - 60);
    centre.right = centre.left;
    centre.bottom = centre.top;
  }
  return centres;
}

// The corners of a hexagon of radius 30 about the origin, rounded to whole pixels.
constexpr int kHexagon[6][2] = {{30, 0}, {15, 26}, {-15, 26}, {-30, 0}, {-15, -26}, {15, -26}};

constexpr int kLines = 20000;
constexpr int kBoxes = 20000;
constexpr int kHexagons = 5000;

}  // namespace kanvo::peer
