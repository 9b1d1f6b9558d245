// The glyphs of one font at one pixel size: advances and coverage images, made with FreeType on
// first use and kept, so that drawing a text whose characters have been seen allocates nothing.
// A character the face lacks comes from the fallback face at the same size (the CJK sans serif),
// and the face's replacement glyph stands in when neither has it.
//
// Several threads may draw with one set: every use goes through a Lock. Locks of one font are
// taken in a fixed order (the font's own set before a set scaled for a transform) and never the
// other way round.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "host/surface/text/font_file.h"

namespace kanvo::surface::text {

// How one face's glyphs are made: a face lacking the weight or slant asked for is emboldened or
// slanted by the outline.
struct FaceStyle {
  std::unique_ptr<FontFile> file;
  bool embolden = false;
  bool slant = false;
};

struct GlyphSize {
  double em_x = 16.0;  // pixels per em, horizontally
  double em_y = 16.0;  // and vertically
  bool monochrome = true;
  double turn = 0.0;  // radians the glyphs are turned by, counter-clockwise on the screen
};

struct Glyph {
  std::int32_t advance = 0;  // whole pixels
  std::int32_t left = 0;     // first column of the image, relative to the pen position
  std::int32_t top = 0;      // first row of the image, in rows above the baseline
  std::int32_t width = 0;
  std::int32_t height = 0;
  const std::uint8_t* coverage = nullptr;  // height rows of width bytes, 0 (none) to 255 (full)
};

class GlyphSet {
 public:
  // Null when the primary face is missing. `fallback.file` may be null.
  static std::unique_ptr<GlyphSet> create(FaceStyle primary, FaceStyle fallback,
                                          const GlyphSize& size);
  ~GlyphSet();
  GlyphSet(const GlyphSet&) = delete;
  GlyphSet& operator=(const GlyphSet&) = delete;

  // Columns, relative to the pen position, that no glyph of the set paints outside of.
  struct Reach {
    std::int32_t left = 0;
    std::int32_t right = 0;
  };
  const Reach& reach() const { return reach_; }

  class Lock {
   public:
    explicit Lock(GlyphSet& set) : set_(set), guard_(set.mutex_) {}
    std::int32_t advance(char32_t code) { return set_.entry(code).glyph.advance; }
    // Valid while the lock is held and until the next call of image().
    const Glyph& image(char32_t code) { return set_.rendered(code); }

   private:
    GlyphSet& set_;
    std::lock_guard<std::mutex> guard_;
  };

 private:
  struct Entry {
    Glyph glyph;
    std::uint32_t index = 0;  // glyph index in its face
    std::uint8_t face = 0;    // 0 primary, 1 fallback
    bool measured = false;
    bool rendered = false;
  };

  GlyphSet(FaceStyle primary, FaceStyle fallback, const GlyphSize& size);
  Entry& entry(char32_t code);
  const Glyph& rendered(char32_t code);
  bool load(const Entry& entry, bool outline_only);
  void render_into(Entry& entry, Glyph& target);
  const std::uint8_t* keep(const std::uint8_t* coverage, std::size_t bytes);

  std::mutex mutex_;
  std::array<FaceStyle, 2> faces_;
  GlyphSize size_;
  std::int32_t bold_pixels_ = 0;
  Reach reach_;
  std::int32_t load_flags_ = 0;

  std::array<Entry, 128> ascii_{};
  std::unordered_map<char32_t, Entry> others_;
  std::vector<std::unique_ptr<std::uint8_t[]>> chunks_;  // kept coverage images
  std::size_t chunk_used_ = 0;
  std::size_t kept_bytes_ = 0;
  std::vector<std::uint8_t> scratch_;  // images too large to keep
  Glyph transient_;
};

}  // namespace kanvo::surface::text
