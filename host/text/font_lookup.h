// Finds the font file for a font description through fontconfig. "System" (the name of the old
// platform's screen font) and every face that is not installed resolve to a CJK-capable sans
// serif, so that Chinese texts always find glyphs; the same face serves as the fallback for
// characters a chosen face lacks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kanvo::text {

struct FaceRequest {
  // UTF-8. Empty: a face chosen by `pitch_and_family` (fixed pitch or modern: monospace; roman:
  // serif; swiss: sans serif; otherwise the CJK sans serif).
  std::string_view family;
  int weight = 400;  // 1 to 1000, 400 regular, 700 bold
  bool italic = false;
  std::uint8_t char_set = 1;  // the platform's character-set numbers; picks a language to cover
  std::uint8_t pitch_and_family = 0;
};

struct FaceFile {
  std::string path;          // empty only when no font at all is installed
  int index = 0;             // face within a collection file
  bool substituted = false;  // the CJK sans serif stands in for the face asked for
  friend bool operator==(const FaceFile&, const FaceFile&) = default;
};

// A face counts as installed when fontconfig finds it or a face that the configuration names as
// its equivalent (a metric-compatible alias such as Liberation Sans for Arial); looser matches
// fall back. Results are cached; safe to call from any thread.
FaceFile find_face(const FaceRequest& request);

// The CJK-capable sans serif, as close to the weight and slant as it comes.
FaceFile find_fallback_face(int weight, bool italic);

}  // namespace kanvo::text
