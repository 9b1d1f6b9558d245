#include "host/surface/raster/span_list.h"

#include <algorithm>

namespace kanvo::surface::raster {

void SpanList::normalize() {
  if (spans_.size() < 2) return;
  std::sort(spans_.begin(), spans_.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
  std::size_t kept = 0;
  for (std::size_t i = 1; i < spans_.size(); ++i) {
    Span& last = spans_[kept];
    const Span& next = spans_[i];
    if (next.y == last.y && next.x0 <= last.x1) {
      last.x1 = std::max(last.x1, next.x1);
    } else {
      spans_[++kept] = next;
    }
  }
  spans_.resize(kept + 1);
}

}  // namespace kanvo::surface::raster
