// A font description made real: the face found for it, its cell in pixels and its glyphs. Equal
// descriptions share one Font, so creating the same font again (the canvas library does so on
// every style change) costs a table look-up.
//
// Sizes keep the platform's meaning: a positive height is the cell height (ascent + descent), a
// negative one the em size, 0 the size of the default font; width 0 is the face's natural width,
// any other width the average character width. 96 dots per inch throughout. Escapement turns the
// line of a text, orientation its characters (both in tenths of a degree, counter-clockwise).
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "host/surface/text/glyph_set.h"
#include "host/surface/types.h"

namespace kanvo::surface::text {

// In pixels of the font's own size; rows count from the top of the cell.
struct CellMetrics {
  std::int32_t height = 0;  // ascent + descent
  std::int32_t ascent = 0;  // rows above the baseline
  std::int32_t descent = 0;
  std::int32_t average_width = 0;
  std::int32_t underline_top = 0;
  std::int32_t underline_thickness = 1;
  std::int32_t strike_top = 0;
  std::int32_t strike_thickness = 1;
};

// An angle in tenths of a degree with the whole turns taken away: in [0, 3600).
inline std::int32_t whole_turns_removed(std::int32_t tenths) {
  const std::int32_t rest = tenths % 3600;
  return rest < 0 ? rest + 3600 : rest;
}

class Font;
// Makes a Font without looking in the cache; null when no font can be read.
std::shared_ptr<const Font> build_font(const LogFont& description);

class Font {
 public:
  // Null only when no font at all is installed. Safe from any thread.
  static std::shared_ptr<const Font> realise(const LogFont& description);
  ~Font();

  const CellMetrics& cell() const { return cell_; }
  bool underline() const { return underline_; }
  bool strike_out() const { return strike_out_; }
  // The glyphs at the font's own size: all measuring uses them.
  GlyphSet& glyphs() const { return *glyphs_; }
  // The glyphs for drawing under a transform that stretches by (x, y) (positive factors), turned
  // by `turn` radians; the font's own set when both factors are 1 and the turn is 0. The set
  // stays valid while the pointer is held.
  std::shared_ptr<GlyphSet> glyphs_drawn(double x, double y, double turn = 0.0) const;
  // Tenths of a degree, in [0, 3600).
  std::int32_t escapement() const { return escapement_; }
  std::int32_t orientation() const { return orientation_; }

 private:
  struct Scaled {
    double x = 1.0;
    double y = 1.0;
    double turn = 0.0;
    std::shared_ptr<GlyphSet> glyphs;
  };
  struct Faces;

  friend std::shared_ptr<const Font> build_font(const LogFont& description);
  Font() = default;
  // `primary` is the primary face already open, or null.
  std::unique_ptr<GlyphSet> make_glyphs(double scale_x, double scale_y, double turn,
                                        std::unique_ptr<FontFile> primary) const;

  CellMetrics cell_;
  bool underline_ = false;
  bool strike_out_ = false;
  std::int32_t escapement_ = 0;
  std::int32_t orientation_ = 0;
  std::unique_ptr<Faces> faces_;
  double em_x_ = 16.0;
  double em_y_ = 16.0;
  std::shared_ptr<GlyphSet> glyphs_;
  mutable std::mutex scaled_mutex_;
  mutable std::vector<Scaled> scaled_;
  mutable std::size_t next_replaced_ = 0;
};

}  // namespace kanvo::surface::text
