#include "host/surface/text/font_cache.h"

namespace kanvo::surface::text {
namespace {

// Fonts kept beyond those in use; the cache is swept when it grows past this.
constexpr std::size_t kKeptFonts = 32;

}  // namespace

FontCache& FontCache::instance() {
  // Never taken down: another thread may still draw text while the process exits.
  static FontCache* const cache = new FontCache;
  return *cache;
}

FontCache::Key FontCache::key_of(const LogFont& description) {
  Key key;
  bool trail = false;  // the second byte of a GBK character keeps its case
  for (std::size_t i = 0; i < key.face.size(); ++i) {
    const char c = description.face_name[i];
    if (c == '\0') break;
    key.face[i] = !trail && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    trail = !trail && static_cast<unsigned char>(c) >= 0x81;
  }
  key.height = description.height;
  key.width = description.width;
  key.weight = description.weight;
  key.escapement = whole_turns_removed(description.escapement);
  key.orientation = whole_turns_removed(description.orientation);
  key.italic = description.italic != 0;
  key.underline = description.underline != 0;
  key.strike_out = description.strike_out != 0;
  key.char_set = description.char_set;
  key.pitch_and_family = description.pitch_and_family;
  key.monochrome = description.quality == kNonAntialiasedQuality;
  return key;
}

std::shared_ptr<const Font> FontCache::realise(const LogFont& description) {
  const Key key = key_of(description);
  const std::lock_guard lock(mutex_);
  const auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  std::shared_ptr<const Font> font = build_font(description);
  if (!font) return font;
  if (fonts_.size() >= kKeptFonts) {
    std::erase_if(fonts_, [](const auto& entry) { return entry.second.use_count() == 1; });
  }
  fonts_.emplace(key, font);
  return font;
}

}  // namespace kanvo::surface::text
