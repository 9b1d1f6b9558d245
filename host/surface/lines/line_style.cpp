#include "host/surface/lines/line_style.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace kanvo::surface::lines {
namespace {

// Built-in kinds of a one-pixel cosmetic pen, in pixels.
constexpr std::uint32_t kCosmeticDash[] = {18, 6};
constexpr std::uint32_t kCosmeticDot[] = {3, 3};
constexpr std::uint32_t kCosmeticDashDot[] = {9, 6, 3, 6};
constexpr std::uint32_t kCosmeticDashDotDot[] = {9, 3, 3, 3, 3, 3};
constexpr std::uint32_t kAlternate[] = {1, 1};

// Built-in kinds of a geometric pen, in pixels for a pen one pixel wide and in pen widths for a
// wider one: what shows of each dash and gap, the ends of the dash included.
constexpr std::uint32_t kGeometricDash[] = {3, 1};
constexpr std::uint32_t kGeometricDot[] = {1, 1};
constexpr std::uint32_t kGeometricDashDot[] = {3, 1, 1, 1};
constexpr std::uint32_t kGeometricDashDotDot[] = {3, 1, 1, 1, 1, 1};

// The lengths of a built-in kind for each kind of pen.
struct BuiltInKind {
  std::span<const std::uint32_t> cosmetic;
  std::span<const std::uint32_t> geometric;
};

constexpr BuiltInKind kBuiltIn[] = {
    {kCosmeticDash, kGeometricDash},
    {kCosmeticDot, kGeometricDot},
    {kCosmeticDashDot, kGeometricDashDot},
    {kCosmeticDashDotDot, kGeometricDashDotDot},
};

DashPattern built_in(const PenObject& pen, bool one_pixel, double width) {
  const std::uint32_t kind = pen.kind();
  if (kind == pen_style::kAlternate) return DashPattern(kAlternate, 2, 1.0);
  if (kind < pen_style::kDash || kind > pen_style::kDashDotDot) return DashPattern();
  const BuiltInKind& lengths = kBuiltIn[kind - pen_style::kDash];
  if (!pen.geometric()) {
    return DashPattern(lengths.cosmetic.data(), static_cast<int>(lengths.cosmetic.size()), 1.0);
  }
  const std::span<const std::uint32_t> shown = lengths.geometric;
  const int count = static_cast<int>(shown.size());
  if (one_pixel) return DashPattern(shown.data(), count, 1.0);
  if (pen.end_cap() == pen_style::kEndCapFlat) return DashPattern(shown.data(), count, width);
  // Round and square ends reach half a width past either end of a dash: the dashes are laid a
  // width shorter and the gaps a width longer.
  std::array<std::uint32_t, std::size(kGeometricDashDotDot)> laid{};
  for (int i = 0; i < count; ++i) {
    const std::uint32_t length = shown[static_cast<std::size_t>(i)];
    laid[static_cast<std::size_t>(i)] = i % 2 == 0 ? length - 1 : length + 1;
  }
  return DashPattern(laid.data(), count, width);
}

}  // namespace

DashPattern::DashPattern(const std::uint32_t* lengths, int count, double scale) {
  if (lengths == nullptr || count <= 0 || count > static_cast<int>(kMaxUserDashes)) return;
  const int repeats = count % 2 == 0 ? 1 : 2;
  double sum = 0.0;
  for (int r = 0; r < repeats; ++r) {
    for (int i = 0; i < count; ++i) {
      const double length = static_cast<double>(lengths[i]) * scale;
      lengths_[static_cast<std::size_t>(count_++)] = length;
      sum += length;
      offsets_[static_cast<std::size_t>(count_)] = sum;
    }
  }
  if (!(sum > 0.0) || !std::isfinite(sum)) {
    count_ = 0;
    return;
  }
  period_ = sum;
}

bool DashPattern::dots_only() const {
  if (count_ == 0) return false;
  for (int i = 0; i < count_; i += 2) {
    if (lengths_[static_cast<std::size_t>(i)] > 0.0) return false;
  }
  return true;
}

void DashPattern::locate(double position, int& index, double& remaining) const {
  double phase = std::fmod(position, period_);
  if (phase < 0) phase += period_;
  for (int i = 0; i < count_; ++i) {
    const double length = lengths_[static_cast<std::size_t>(i)];
    // A dash of no length exactly at the phase is where it falls (a dot there).
    if (phase < length || (length == 0.0 && phase == 0.0)) {
      index = i;
      remaining = length - phase;
      return;
    }
    phase -= length;
  }
  // Rounding left the phase at the very end of the period: the start of the next one.
  index = 0;
  remaining = lengths_[0];
}

void DashCursor::seek(double from) {
  // A period or so early, whatever the rounding of the division; then dash by dash.
  period_index_ = std::max(0.0, std::floor((from - origin_) / pattern_.period()) - 1.0);
  piece_ = 0;
  while (end() < from || (end() == from && start() < from)) next();
}

void DashCursor::next() {
  piece_ += 2;
  if (piece_ < pattern_.count()) return;
  piece_ = 0;
  const double before = at(0);
  period_index_ += 1.0;
  // So far along that a period no longer moves the pattern on: there are no more dashes.
  if (!(at(0) > before)) period_index_ = std::numeric_limits<double>::infinity();
}

DashPattern dash_pattern_of(const PenObject& pen, bool one_pixel, double device_width) {
  const std::uint32_t kind = pen.kind();
  if (kind == pen_style::kUserStyle) {
    return DashPattern(pen.dashes.data(), static_cast<int>(pen.dash_count), 1.0);
  }
  return built_in(pen, one_pixel, device_width);
}

}  // namespace kanvo::surface::lines
