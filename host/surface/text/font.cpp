#include "host/surface/text/font.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "host/surface/text/font_cache.h"
#include "host/text/code_page.h"
#include "host/text/font_lookup.h"

namespace kanvo::surface::text {
namespace {

constexpr std::int64_t kDefaultHeight = 16;  // what height 0 asks for: the default font's cell
constexpr std::int64_t kLargest = 4096;      // cell height, em and average width, in pixels
constexpr int kBoldWeight = 600;
constexpr double kScaleTolerance = 1e-4;
constexpr std::size_t kScaledSets = 4;

std::int32_t round_to_int(double value) {
  return static_cast<std::int32_t>(std::lround(value));
}

std::string_view face_name(const LogFont& description) {
  const auto& name = description.face_name;
  const auto* end = static_cast<const char*>(std::memchr(name.data(), '\0', name.size()));
  return {name.data(), end == nullptr ? name.size() : static_cast<std::size_t>(end - name.data())};
}

}  // namespace

struct Font::Faces {
  std::array<kanvo::text::FaceFile, 2> files;  // primary, fallback (path empty: none)
  int weight = 400;  // asked for: a face that lacks it is emboldened or slanted
  bool italic = false;
  bool monochrome = true;

  FaceStyle style(std::unique_ptr<FontFile> file) const {
    if (!file) return {};
    const DesignMetrics& face = file->metrics();
    const bool embolden = weight >= kBoldWeight && face.weight < kBoldWeight;
    const bool slant = italic && !face.italic;
    return {std::move(file), embolden, slant};
  }
};

std::shared_ptr<const Font> build_font(const LogFont& description) {
  const int weight = description.weight <= 0 ? 400 : std::min(description.weight, 1000);
  const bool italic = description.italic != 0;
  const std::string family = kanvo::text::gbk_to_utf8(face_name(description));

  auto faces = std::make_unique<Font::Faces>();
  faces->files[0] = kanvo::text::find_face({.family = family,
                                            .weight = weight,
                                            .italic = italic,
                                            .char_set = description.char_set,
                                            .pitch_and_family = description.pitch_and_family});
  std::unique_ptr<FontFile> primary = FontFile::open(faces->files[0].path, faces->files[0].index);
  if (!primary || !faces->files[0].substituted) {
    kanvo::text::FaceFile fallback = kanvo::text::find_fallback_face(weight, italic);
    if (!primary) {
      // The face found cannot be read: the CJK sans serif takes its place.
      faces->files[0] = fallback;
      primary = FontFile::open(fallback.path, fallback.index);
      if (!primary) return nullptr;
    } else {
      faces->files[1] = std::move(fallback);
    }
  }
  faces->weight = weight;
  faces->italic = italic;
  faces->monochrome = description.quality == kNonAntialiasedQuality;

  std::shared_ptr<Font> font(new Font);
  font->underline_ = description.underline != 0;
  font->strike_out_ = description.strike_out != 0;
  font->escapement_ = whole_turns_removed(description.escapement);
  font->orientation_ = whole_turns_removed(description.orientation);
  font->faces_ = std::move(faces);

  const DesignMetrics& design = primary->metrics();
  const double design_cell = design.ascent + design.descent;
  CellMetrics& cell = font->cell_;
  std::int64_t height = description.height == 0 ? kDefaultHeight : description.height;
  if (height > 0) {
    cell.height = static_cast<std::int32_t>(std::min(height, kLargest));
    font->em_y_ = cell.height * design.units_per_em / design_cell;
    cell.ascent = round_to_int(cell.height * design.ascent / design_cell);
    cell.descent = cell.height - cell.ascent;
  } else {
    font->em_y_ = static_cast<double>(std::min(-height, kLargest));
    cell.ascent = round_to_int(font->em_y_ * design.ascent / design.units_per_em);
    cell.descent = round_to_int(font->em_y_ * design.descent / design.units_per_em);
    cell.height = std::max(1, cell.ascent + cell.descent);
  }
  const double scale = font->em_y_ / design.units_per_em;
  const double natural_width = design.average_width * scale;
  const std::int64_t width =
      std::min<std::int64_t>(std::abs(std::int64_t{description.width}), kLargest);
  font->em_x_ = width == 0 ? font->em_y_ : font->em_y_ * static_cast<double>(width) / natural_width;
  cell.average_width =
      width == 0 ? std::max(1, round_to_int(natural_width)) : static_cast<std::int32_t>(width);

  // Decorations: a line at least one pixel thick, inside the cell.
  const auto place = [&cell](std::int32_t top, std::int32_t thickness, std::int32_t* out_top,
                             std::int32_t* out_thickness) {
    *out_thickness = std::clamp(thickness, 1, cell.height);
    *out_top = std::clamp(top, 0, cell.height - *out_thickness);
  };
  const std::int32_t underline_thickness = round_to_int(design.underline_thickness * scale);
  place(cell.ascent + std::max(1, round_to_int(-design.underline_position * scale)) -
            std::max(1, underline_thickness) / 2,
        underline_thickness, &cell.underline_top, &cell.underline_thickness);
  place(cell.ascent - round_to_int(design.strike_position * scale),
        round_to_int(design.strike_thickness * scale), &cell.strike_top, &cell.strike_thickness);

  font->glyphs_ = font->make_glyphs(1.0, 1.0, 0.0, std::move(primary));
  if (!font->glyphs_) return nullptr;
  return font;
}

Font::~Font() = default;

std::shared_ptr<const Font> Font::realise(const LogFont& description) {
  return FontCache::instance().realise(description);
}

std::unique_ptr<GlyphSet> Font::make_glyphs(double scale_x, double scale_y, double turn,
                                            std::unique_ptr<FontFile> primary) const {
  if (!primary) primary = FontFile::open(faces_->files[0].path, faces_->files[0].index);
  std::unique_ptr<FontFile> fallback;
  if (!faces_->files[1].path.empty()) {
    fallback = FontFile::open(faces_->files[1].path, faces_->files[1].index);
  }
  return GlyphSet::create(faces_->style(std::move(primary)), faces_->style(std::move(fallback)),
                          {em_x_ * scale_x, em_y_ * scale_y, faces_->monochrome, turn});
}

std::shared_ptr<GlyphSet> Font::glyphs_drawn(double x, double y, double turn) const {
  const auto near = [](double a, double b) { return std::abs(a - b) <= kScaleTolerance * b; };
  if (near(x, 1.0) && near(y, 1.0) && turn == 0.0) return glyphs_;
  const std::lock_guard lock(scaled_mutex_);
  for (const Scaled& scaled : scaled_) {
    if (near(x, scaled.x) && near(y, scaled.y) && turn == scaled.turn) return scaled.glyphs;
  }
  std::shared_ptr<GlyphSet> glyphs = make_glyphs(x, y, turn, nullptr);
  if (!glyphs) return glyphs_;
  // A few sets are kept; a drawing still using a replaced set keeps it alive.
  if (scaled_.size() < kScaledSets) {
    scaled_.push_back({x, y, turn, glyphs});
  } else {
    scaled_[next_replaced_++ % kScaledSets] = {x, y, turn, glyphs};
  }
  return glyphs;
}

}  // namespace kanvo::surface::text
