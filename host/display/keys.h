// Virtual key codes: the numbers that key messages carry, whatever the physical keyboard. Letters
// and digits are their upper-case ASCII codes.
#pragma once

#include <cstdint>

namespace kanvo::keys {

inline constexpr std::uint32_t kCancel = 0x03;  // Ctrl+Break
inline constexpr std::uint32_t kBackspace = 0x08;
inline constexpr std::uint32_t kTab = 0x09;
inline constexpr std::uint32_t kReturn = 0x0D;
inline constexpr std::uint32_t kShift = 0x10;
inline constexpr std::uint32_t kControl = 0x11;
inline constexpr std::uint32_t kAlt = 0x12;
inline constexpr std::uint32_t kPause = 0x13;
inline constexpr std::uint32_t kCapsLock = 0x14;
inline constexpr std::uint32_t kEscape = 0x1B;
inline constexpr std::uint32_t kSpace = 0x20;
inline constexpr std::uint32_t kPageUp = 0x21;
inline constexpr std::uint32_t kPageDown = 0x22;
inline constexpr std::uint32_t kEnd = 0x23;
inline constexpr std::uint32_t kHome = 0x24;
inline constexpr std::uint32_t kLeft = 0x25;
inline constexpr std::uint32_t kUp = 0x26;
inline constexpr std::uint32_t kRight = 0x27;
inline constexpr std::uint32_t kDown = 0x28;
inline constexpr std::uint32_t kInsert = 0x2D;
inline constexpr std::uint32_t kDelete = 0x2E;
inline constexpr std::uint32_t kDigit0 = 0x30;   // to 0x39
inline constexpr std::uint32_t kLetterA = 0x41;  // to 0x5A
inline constexpr std::uint32_t kNumpad0 = 0x60;  // to 0x69
inline constexpr std::uint32_t kMultiply = 0x6A;
inline constexpr std::uint32_t kAdd = 0x6B;
inline constexpr std::uint32_t kSubtract = 0x6D;
inline constexpr std::uint32_t kDecimal = 0x6E;
inline constexpr std::uint32_t kDivide = 0x6F;
inline constexpr std::uint32_t kF1 = 0x70;  // to F24 at 0x87
inline constexpr std::uint32_t kNumLock = 0x90;
inline constexpr std::uint32_t kScrollLock = 0x91;
inline constexpr std::uint32_t kSemicolon = 0xBA;  // ;:
inline constexpr std::uint32_t kEquals = 0xBB;     // =+
inline constexpr std::uint32_t kComma = 0xBC;      // ,<
inline constexpr std::uint32_t kMinus = 0xBD;      // -_
inline constexpr std::uint32_t kPeriod = 0xBE;     // .>
inline constexpr std::uint32_t kSlash = 0xBF;      // /?
inline constexpr std::uint32_t kBackquote = 0xC0;  // `~
inline constexpr std::uint32_t kLeftBracket = 0xDB;
inline constexpr std::uint32_t kBackslash = 0xDC;
inline constexpr std::uint32_t kRightBracket = 0xDD;
inline constexpr std::uint32_t kQuote = 0xDE;

}  // namespace kanvo::keys
