#include "host/text/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace kanvo::text {
namespace {

constexpr const char* kCjkSans = "WenQuanYi Micro Hei";
constexpr std::size_t kCachedFaces = 256;

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const char* language_of(std::uint8_t char_set) {
  struct Entry {
    std::uint8_t char_set;
    const char* language;
  };
  static constexpr std::array<Entry, 10> kLanguages{{{134, "zh-cn"},
                                                     {136, "zh-tw"},
                                                     {128, "ja"},
                                                     {129, "ko"},
                                                     {161, "el"},
                                                     {162, "tr"},
                                                     {177, "he"},
                                                     {178, "ar"},
                                                     {204, "ru"},
                                                     {222, "th"}}};
  for (const Entry& entry : kLanguages) {
    if (entry.char_set == char_set) return entry.language;
  }
  return nullptr;
}

// Family names compare as fontconfig compares them: without regard to case or blanks.
bool same_family(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  std::size_t i = 0;
  std::size_t j = 0;
  for (;;) {
    while (i < a.size() && a[i] == ' ') ++i;
    while (j < b.size() && b[j] == ' ') ++j;
    if (i == a.size() || j == b.size()) return i == a.size() && j == b.size();
    if (lower(a[i++]) != lower(b[j++])) return false;
  }
}

std::string_view view(const FcChar8* text) {
  return reinterpret_cast<const char*>(text);
}

// The generic family that stands for an empty face name, or null for the CJK sans serif.
const char* generic_family(std::uint8_t pitch_and_family) {
  constexpr std::uint8_t kFixedPitch = 1;
  switch (pitch_and_family & 0xF0) {
    case 0x10:
      return "serif";
    case 0x20:
      return "sans-serif";
    case 0x30:
      return "monospace";
    default:
      return (pitch_and_family & 0x03) == kFixedPitch ? "monospace" : nullptr;
  }
}

Pattern make_pattern(const char* family, int weight, bool italic, const char* language) {
  Pattern pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(weight));
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  if (language != nullptr) {
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(language));
  }
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  return pattern;
}

// The families bound strongly after substitution: the one asked for and the equivalents the
// configuration names for it. Weakly bound ones are mere preferences for any sans serif.
bool is_strongly_requested(FcPattern* pattern, const FcChar8* family) {
  FcPatternIter iter;
  FcPatternIterStart(pattern, &iter);
  if (!FcPatternFindIter(pattern, &iter, FC_FAMILY)) return false;
  const int count = FcPatternIterValueCount(pattern, &iter);
  for (int i = 0; i < count; ++i) {
    FcValue value;
    FcValueBinding binding;
    if (FcPatternIterGetValue(pattern, &iter, i, &value, &binding) != FcResultMatch) continue;
    if (binding != FcValueBindingStrong && binding != FcValueBindingSame) continue;
    if (value.type == FcTypeString && same_family(view(value.u.s), view(family))) {
      return true;
    }
  }
  return false;
}

bool matches_request(FcPattern* request, FcPattern* font) {
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
    if (is_strongly_requested(request, family)) return true;
  }
  return false;
}

// Weight and slant of the match are not reported: the configuration claims the style asked for
// when it expects the renderer to synthesise it, so the face file itself is the judge.
FaceFile describe(FcPattern* font, bool substituted) {
  FaceFile face;
  face.substituted = substituted;
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
    face.path = reinterpret_cast<const char*>(file);
  }
  FcPatternGetInteger(font, FC_INDEX, 0, &face.index);
  return face;
}

// Matches a substituted pattern; null when nothing at all is installed.
Pattern match(FcPattern* request) {
  Pattern copy(FcPatternDuplicate(request));
  FcDefaultSubstitute(copy.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(nullptr, copy.get(), &result));
}

FaceFile lookup_fallback(int weight, bool italic) {
  // Named first, so that the face is the same wherever it is installed; any sans serif that
  // covers Chinese stands in when it is not.
  const Pattern request = make_pattern(kCjkSans, weight, italic, "zh-cn");
  const Pattern font = match(request.get());
  return font ? describe(font.get(), true) : FaceFile{};
}

FaceFile lookup(const std::string& family, int weight, bool italic, std::uint8_t char_set,
                std::uint8_t pitch_and_family) {
  const char* name = family.c_str();
  if (family.empty()) name = generic_family(pitch_and_family);
  if (name == nullptr || same_family(family, "System")) {
    return lookup_fallback(weight, italic);
  }
  const Pattern request = make_pattern(name, weight, italic, language_of(char_set));
  const Pattern font = match(request.get());
  // A generic family accepts whatever the configuration prefers for it.
  if (font && (family.empty() || matches_request(request.get(), font.get()))) {
    return describe(font.get(), false);
  }
  return lookup_fallback(weight, italic);
}

class FaceCache {
 public:
  FaceFile find(const FaceRequest& request) {
    const std::lock_guard lock(mutex_);
    if (!initialised_) {
      FcInit();
      initialised_ = true;
    }
    std::string family(request.family);
    for (char& c : family) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    const int weight = request.weight < 1 ? 400 : (request.weight > 1000 ? 1000 : request.weight);
    const std::uint8_t pitch = family.empty() ? request.pitch_and_family : 0;
    auto key = std::make_tuple(family, weight, request.italic, request.char_set, pitch);
    const auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    // Look up with the name as given: fontconfig compares names ignoring case anyway.
    FaceFile face =
        lookup(std::string(request.family), weight, request.italic, request.char_set, pitch);
    // Programs ask for a handful of faces; one that makes up names does not grow the cache.
    if (faces_.size() >= kCachedFaces) faces_.clear();
    faces_.emplace(std::move(key), face);
    return face;
  }

 private:
  std::mutex mutex_;  // fontconfig's own thread safety varies between versions
  bool initialised_ = false;
  std::map<std::tuple<std::string, int, bool, std::uint8_t, std::uint8_t>, FaceFile> faces_;
};

// Never taken down: threads may still look faces up while the process exits.
FaceCache& cache() {
  static FaceCache* const instance = new FaceCache;
  return *instance;
}

}  // namespace

FaceFile find_face(const FaceRequest& request) {
  return cache().find(request);
}

FaceFile find_fallback_face(int weight, bool italic) {
  return cache().find(FaceRequest{.family = "System", .weight = weight, .italic = italic});
}

}  // namespace kanvo::text
