// Runs of one pixel word stored four words at a time: the store loop every plain copy of a row
// ends in (boxes, polygon and ellipse insides, rows of lines). A loop of single stores costs
// about four instructions a pixel; blocks of four cost about one.
#pragma once

#include <cstdint>
#include <cstring>

#include "host/surface/types.h"

namespace kanvo::surface::raster {

// `count` copies of `word` from `first` on (nothing when count <= 0).
[[gnu::always_inline]] inline void fill_words(PixelWord* first, std::int64_t count,
                                              PixelWord word) {
  if (count < 4) {
    for (std::int64_t i = 0; i < count; ++i) first[i] = word;
    return;
  }
  // A 16-byte copy from four words compiles to one vector store wherever there is one.
  const PixelWord quad[4] = {word, word, word, word};
  PixelWord* const last_block = first + count - 4;
  for (PixelWord* at = first; at < last_block; at += 4) std::memcpy(at, &quad, sizeof quad);
  // The last block ends on the run's last word, overlapping the one before it if need be.
  std::memcpy(last_block, &quad, sizeof quad);
}

}  // namespace kanvo::surface::raster
