// One face of a font file opened with FreeType, and the design metrics that the font's cell
// layout needs. FreeType wants its faces opened and closed one at a time per library; everything
// else on a face is the business of whoever owns it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct FT_FaceRec_;

namespace kanvo::surface::text {

// In font design units.
struct DesignMetrics {
  std::int32_t units_per_em = 1000;
  std::int32_t ascent = 800;               // above the baseline, positive
  std::int32_t descent = 200;              // below the baseline, positive
  std::int32_t underline_position = -100;  // top of the underline, negative below the baseline
  std::int32_t underline_thickness = 50;
  std::int32_t strike_position = 250;  // top of the strike-out line above the baseline
  std::int32_t strike_thickness = 50;
  std::int32_t average_width = 500;  // mean advance of the lowercase Latin letters
  std::int32_t weight = 400;         // of the face itself, 100 to 900
  bool italic = false;               // the face is italic or oblique
};

class FontFile {
 public:
  // An empty handle when the file cannot be opened as a scalable font.
  static std::unique_ptr<FontFile> open(const std::string& path, int index);
  ~FontFile();
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  FT_FaceRec_* face() const { return face_; }
  const DesignMetrics& metrics() const { return metrics_; }

 private:
  explicit FontFile(FT_FaceRec_* face);
  FT_FaceRec_* face_;
  DesignMetrics metrics_;
};

}  // namespace kanvo::surface::text
