// Console character attributes as terminal colour sequences. An attribute holds the foreground
// colour in its low four bits and the background in the next four; in each, bit 0 is blue, bit 1
// green, bit 2 red and bit 3 intensity.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kanvo::console {

// Bright green on black, yellow on black, bright cyan on black.
inline constexpr std::uint8_t kBrightGreenOnBlack = 0x0A;
inline constexpr std::uint8_t kYellowOnBlack = 0x0E;
inline constexpr std::uint8_t kBrightCyanOnBlack = 0x0B;

// Back to the terminal's own colours.
inline constexpr std::string_view kResetColors = "\x1b[0m";

// The select-graphic-rendition sequence that shows text in the attribute's colours.
std::string color_sequence(std::uint8_t attribute);

}  // namespace kanvo::console
