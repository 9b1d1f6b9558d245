// Realised fonts by description, shared between font objects. A few unused fonts are kept, so
// that deleting a font and creating it again (as every style change does) finds it ready.
#pragma once

#include <compare>
#include <map>
#include <memory>
#include <mutex>

#include "host/surface/text/font.h"

namespace kanvo::surface::text {

class FontCache {
 public:
  static FontCache& instance();
  std::shared_ptr<const Font> realise(const LogFont& description);

 private:
  // The fields that change what a font looks like, the face name without regard to case.
  struct Key {
    std::array<char, 32> face{};
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t weight = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strike_out = 0;
    std::uint8_t char_set = 0;
    std::uint8_t pitch_and_family = 0;
    bool monochrome = false;
    auto operator<=>(const Key&) const = default;
  };
  static Key key_of(const LogFont& description);

  std::mutex mutex_;
  std::map<Key, std::shared_ptr<const Font>> fonts_;
};

}  // namespace kanvo::surface::text
