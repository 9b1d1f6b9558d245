#include "host/surface/text/font_file.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <mutex>

namespace kanvo::surface::text {
namespace {

// One FreeType library for the process; it must not open or close two faces at once. It is
// never taken down, so that faces held by caches of static lifetime can still close at exit.
struct Library {
  std::mutex mutex;
  FT_Library handle = nullptr;

  Library() {
    if (FT_Init_FreeType(&handle) != 0) handle = nullptr;
  }
};

Library& library() {
  static Library* const instance = new Library;
  return *instance;
}

DesignMetrics read_metrics(FT_Face face) {
  DesignMetrics metrics;
  metrics.units_per_em = face->units_per_EM > 0 ? face->units_per_EM : 1000;
  metrics.ascent = face->ascender;
  metrics.descent = -face->descender;
  metrics.underline_position = face->underline_position;
  metrics.underline_thickness = face->underline_thickness;
  metrics.strike_thickness = face->underline_thickness;
  metrics.strike_position = metrics.ascent * 3 / 10;
  metrics.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
  metrics.weight = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0 ? 700 : 400;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF) {
    if (os2->usWeightClass >= 100 && os2->usWeightClass <= 1000)
      metrics.weight = os2->usWeightClass;
    // The windows metrics bound every glyph; the cell is built from them.
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      metrics.ascent = os2->usWinAscent;
      metrics.descent = os2->usWinDescent;
    }
    if (os2->yStrikeoutSize > 0) {
      metrics.strike_position = os2->yStrikeoutPosition;
      metrics.strike_thickness = os2->yStrikeoutSize;
    }
  }
  if (metrics.ascent + metrics.descent <= 0) {
    metrics.ascent = metrics.units_per_em * 4 / 5;
    metrics.descent = metrics.units_per_em - metrics.ascent;
  }
  if (metrics.underline_thickness <= 0) metrics.underline_thickness = metrics.units_per_em / 20;
  if (metrics.strike_thickness <= 0) metrics.strike_thickness = metrics.underline_thickness;

  std::int64_t total = 0;
  int letters = 0;
  for (char32_t c = U'a'; c <= U'z'; ++c) {
    const FT_UInt glyph = FT_Get_Char_Index(face, c);
    FT_Fixed advance = 0;
    if (glyph != 0 && FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) == 0) {
      total += advance;
      ++letters;
    }
  }
  metrics.average_width =
      letters > 0 ? static_cast<std::int32_t>(total / letters) : metrics.units_per_em / 2;
  if (metrics.average_width <= 0) metrics.average_width = metrics.units_per_em / 2;
  return metrics;
}

}  // namespace

std::unique_ptr<FontFile> FontFile::open(const std::string& path, int index) {
  Library& lib = library();
  if (lib.handle == nullptr || path.empty()) return nullptr;
  FT_Face face = nullptr;
  {
    const std::lock_guard lock(lib.mutex);
    if (FT_New_Face(lib.handle, path.c_str(), index, &face) != 0) return nullptr;
  }
  std::unique_ptr<FontFile> file(new FontFile(face));
  if (!FT_IS_SCALABLE(face)) return nullptr;
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  file->metrics_ = read_metrics(face);
  return file;
}

FontFile::FontFile(FT_FaceRec_* face) : face_(face) {}

FontFile::~FontFile() {
  const std::lock_guard lock(library().mutex);
  FT_Done_Face(face_);
}

}  // namespace kanvo::surface::text
