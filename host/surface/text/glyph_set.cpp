#include "host/surface/text/glyph_set.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>

namespace kanvo::surface::text {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
// Coverage images kept by all sets together; beyond it (huge sizes, thousands of distinct
// characters, many fonts) images are made again for each use instead of growing without bound.
// 64 MiB hold every GBK character at 20 pixels several times over.
constexpr std::size_t kKeptBudget = 64 * 1024 * 1024;
constexpr std::size_t kLargestKept = 256 * 1024;
std::atomic<std::size_t> g_kept_bytes{0};

// Takes `bytes` from the budget, or nothing when they do not fit.
bool reserve(std::size_t bytes) {
  std::size_t kept = g_kept_bytes.load(std::memory_order_relaxed);
  do {
    if (bytes > kLargestKept || kept + bytes > kKeptBudget) return false;
  } while (!g_kept_bytes.compare_exchange_weak(kept, kept + bytes, std::memory_order_relaxed));
  return true;
}

// Shear of a synthesised oblique: about 11 degrees, like a typical italic.
constexpr double kSlant = 0.2;
constexpr double kLargestEm = 4096.0;
// Pixels that hinting may move an outline beyond the face's bounding box.
constexpr std::int32_t kReachMargin = 2;

FT_F26Dot6 to_26_6(double pixels) {
  return static_cast<FT_F26Dot6>(std::lround(pixels * 64.0));
}

}  // namespace

std::unique_ptr<GlyphSet> GlyphSet::create(FaceStyle primary, FaceStyle fallback,
                                           const GlyphSize& size) {
  if (!primary.file) return nullptr;
  return std::unique_ptr<GlyphSet>(new GlyphSet(std::move(primary), std::move(fallback), size));
}

GlyphSet::GlyphSet(FaceStyle primary, FaceStyle fallback, const GlyphSize& size)
    : faces_{std::move(primary), std::move(fallback)}, size_(size) {
  // Sizes from any transform: NaN and the far ends become the smallest and largest em.
  const auto limit = [](double em) { return em >= 1.0 ? std::min(em, kLargestEm) : 1.0; };
  size_.em_x = limit(size_.em_x);
  size_.em_y = limit(size_.em_y);
  // Synthetic bold widens each stem, and each advance, by about a 32nd of the em.
  bold_pixels_ = std::max(1, static_cast<int>(std::lround(size_.em_y / 32.0)));
  load_flags_ = FT_LOAD_NO_BITMAP | (size_.monochrome ? FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT
                                                      : FT_LOAD_TARGET_LIGHT);
  for (FaceStyle& face : faces_) {
    if (!face.file) continue;
    FT_Size_RequestRec request{};
    request.type = FT_SIZE_REQUEST_TYPE_NOMINAL;
    request.width = to_26_6(size_.em_x);
    request.height = to_26_6(size_.em_y);
    FT_Request_Size(face.file->face(), &request);
    // The face's bounding box bounds every glyph; slant and bold push it further right.
    const FT_BBox& box = face.file->face()->bbox;
    const double scale_x = size_.em_x / face.file->metrics().units_per_em;
    const double scale_y = size_.em_y / face.file->metrics().units_per_em;
    const double slant = face.slant ? kSlant : 0.0;
    const double left = box.xMin * scale_x + std::min(0.0, slant * box.yMin * scale_y);
    const double right =
        box.xMax * scale_x + slant * box.yMax * scale_y + (face.embolden ? bold_pixels_ : 0);
    reach_.left = std::min(reach_.left, static_cast<std::int32_t>(std::floor(left)) - kReachMargin);
    reach_.right =
        std::max(reach_.right, static_cast<std::int32_t>(std::ceil(right)) + kReachMargin);
  }
}

GlyphSet::~GlyphSet() {
  g_kept_bytes.fetch_sub(kept_bytes_, std::memory_order_relaxed);
}

GlyphSet::Entry& GlyphSet::entry(char32_t code) {
  Entry& found = code < ascii_.size() ? ascii_[code] : others_[code];
  if (found.measured) return found;
  found.measured = true;
  found.face = 0;
  found.index = FT_Get_Char_Index(faces_[0].file->face(), code);
  if (found.index == 0 && faces_[1].file) {
    const FT_UInt fallback_index = FT_Get_Char_Index(faces_[1].file->face(), code);
    if (fallback_index != 0) {
      found.face = 1;
      found.index = fallback_index;
    }
  }
  if (load(found, true)) {
    const FT_GlyphSlot slot = faces_[found.face].file->face()->glyph;
    found.glyph.advance = static_cast<std::int32_t>((slot->advance.x + 32) >> 6);
    if (faces_[found.face].embolden) found.glyph.advance += bold_pixels_;
  }
  return found;
}

bool GlyphSet::load(const Entry& entry, bool outline_only) {
  const FaceStyle& style = faces_[entry.face];
  const FT_Face face = style.file->face();
  if (FT_Load_Glyph(face, entry.index, load_flags_) != 0) return false;
  if (outline_only || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return true;
  FT_Outline& outline = face->glyph->outline;
  if (style.slant) {
    FT_Matrix shear{0x10000, static_cast<FT_Fixed>(kSlant * 0x10000), 0, 0x10000};
    FT_Outline_Transform(&outline, &shear);
  }
  if (style.embolden) FT_Outline_EmboldenXY(&outline, bold_pixels_ * 64, 0);
  if (size_.turn != 0.0) {
    // Outlines have y growing upwards, so a counter-clockwise turn keeps its usual matrix.
    const auto fixed = [](double value) {
      return static_cast<FT_Fixed>(std::lround(value * 0x10000));
    };
    const double cosine = std::cos(size_.turn);
    const double sine = std::sin(size_.turn);
    FT_Matrix turn{fixed(cosine), fixed(-sine), fixed(sine), fixed(cosine)};
    FT_Outline_Transform(&outline, &turn);
  }
  return true;
}

const Glyph& GlyphSet::rendered(char32_t code) {
  Entry& found = entry(code);
  if (found.rendered) return found.glyph;
  transient_ = found.glyph;
  render_into(found, transient_);
  const auto bytes = static_cast<std::size_t>(transient_.width) * transient_.height;
  if (bytes == 0 || reserve(bytes)) {
    found.glyph = transient_;
    found.glyph.coverage = bytes == 0 ? nullptr : keep(scratch_.data(), bytes);
    found.rendered = true;
    return found.glyph;
  }
  return transient_;
}

void GlyphSet::render_into(Entry& entry, Glyph& target) {
  target.width = target.height = 0;
  target.coverage = nullptr;
  if (!load(entry, false)) return;
  const FT_GlyphSlot slot = faces_[entry.face].file->face()->glyph;
  if (FT_Render_Glyph(slot, size_.monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) {
    return;
  }
  const FT_Bitmap& bitmap = slot->bitmap;
  const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
  if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return;
  const auto width = static_cast<std::size_t>(bitmap.width);
  const auto rows = static_cast<std::size_t>(bitmap.rows);
  scratch_.resize(width * rows);
  const auto pitch = static_cast<std::ptrdiff_t>(bitmap.pitch);
  for (std::size_t row = 0; row < rows; ++row) {
    // A negative pitch means the rows are stored bottom-up.
    const std::ptrdiff_t offset = pitch >= 0 ? static_cast<std::ptrdiff_t>(row) * pitch
                                             : static_cast<std::ptrdiff_t>(rows - 1 - row) * -pitch;
    const unsigned char* source = bitmap.buffer + offset;
    std::uint8_t* destination = scratch_.data() + row * width;
    if (mono) {
      for (std::size_t x = 0; x < width; ++x) {
        destination[x] = (source[x >> 3] & (0x80 >> (x & 7))) != 0 ? 255 : 0;
      }
    } else {
      std::memcpy(destination, source, width);
    }
  }
  target.width = static_cast<std::int32_t>(width);
  target.height = static_cast<std::int32_t>(rows);
  target.left = slot->bitmap_left;
  target.top = slot->bitmap_top;
  target.coverage = scratch_.data();
}

const std::uint8_t* GlyphSet::keep(const std::uint8_t* coverage, std::size_t bytes) {
  if (chunks_.empty() || chunk_used_ + bytes > kChunkBytes) {
    // An image larger than a chunk gets a chunk of its own, which is full at once.
    chunks_.push_back(std::make_unique<std::uint8_t[]>(std::max(bytes, kChunkBytes)));
    chunk_used_ = 0;
  }
  std::uint8_t* place = chunks_.back().get() + chunk_used_;
  std::memcpy(place, coverage, bytes);
  chunk_used_ = std::min(kChunkBytes, chunk_used_ + bytes);
  kept_bytes_ += bytes;
  return place;
}

}  // namespace kanvo::surface::text
