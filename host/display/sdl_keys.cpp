#include "host/display/sdl_keys.h"

#include "host/display/keys.h"

namespace kanvo::display {

std::uint32_t virtual_key(const SDL_Keysym& key) {
  const SDL_Keycode code = key.sym;
  if (code >= SDLK_a && code <= SDLK_z)
    return keys::kLetterA + static_cast<std::uint32_t>(code - SDLK_a);
  if (code >= SDLK_0 && code <= SDLK_9)
    return keys::kDigit0 + static_cast<std::uint32_t>(code - SDLK_0);
  if (code >= SDLK_F1 && code <= SDLK_F12)
    return keys::kF1 + static_cast<std::uint32_t>(code - SDLK_F1);
  if (code >= SDLK_F13 && code <= SDLK_F24) {
    return keys::kF1 + 12 + static_cast<std::uint32_t>(code - SDLK_F13);
  }
  if (code >= SDLK_KP_1 && code <= SDLK_KP_9) {
    return keys::kNumpad0 + 1 + static_cast<std::uint32_t>(code - SDLK_KP_1);
  }
  switch (code) {
    case SDLK_KP_0:
      return keys::kNumpad0;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return keys::kReturn;
    case SDLK_BACKSPACE:
      return keys::kBackspace;
    case SDLK_TAB:
      return keys::kTab;
    case SDLK_ESCAPE:
      return keys::kEscape;
    case SDLK_SPACE:
      return keys::kSpace;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return keys::kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return keys::kControl;
    case SDLK_LALT:
    case SDLK_RALT:
      return keys::kAlt;
    case SDLK_CAPSLOCK:
      return keys::kCapsLock;
    // Ctrl+Pause is the break key.
    case SDLK_PAUSE:
      return (key.mod & KMOD_CTRL) != 0 ? keys::kCancel : keys::kPause;
    case SDLK_CANCEL:
      return keys::kCancel;
    case SDLK_PAGEUP:
      return keys::kPageUp;
    case SDLK_PAGEDOWN:
      return keys::kPageDown;
    case SDLK_END:
      return keys::kEnd;
    case SDLK_HOME:
      return keys::kHome;
    case SDLK_LEFT:
      return keys::kLeft;
    case SDLK_UP:
      return keys::kUp;
    case SDLK_RIGHT:
      return keys::kRight;
    case SDLK_DOWN:
      return keys::kDown;
    case SDLK_INSERT:
      return keys::kInsert;
    case SDLK_DELETE:
      return keys::kDelete;
    case SDLK_KP_MULTIPLY:
      return keys::kMultiply;
    case SDLK_KP_PLUS:
      return keys::kAdd;
    case SDLK_KP_MINUS:
      return keys::kSubtract;
    case SDLK_KP_PERIOD:
      return keys::kDecimal;
    case SDLK_KP_DIVIDE:
      return keys::kDivide;
    case SDLK_NUMLOCKCLEAR:
      return keys::kNumLock;
    case SDLK_SCROLLLOCK:
      return keys::kScrollLock;
    case SDLK_SEMICOLON:
      return keys::kSemicolon;
    case SDLK_EQUALS:
      return keys::kEquals;
    case SDLK_COMMA:
      return keys::kComma;
    case SDLK_MINUS:
      return keys::kMinus;
    case SDLK_PERIOD:
      return keys::kPeriod;
    case SDLK_SLASH:
      return keys::kSlash;
    case SDLK_BACKQUOTE:
      return keys::kBackquote;
    case SDLK_LEFTBRACKET:
      return keys::kLeftBracket;
    case SDLK_BACKSLASH:
      return keys::kBackslash;
    case SDLK_RIGHTBRACKET:
      return keys::kRightBracket;
    case SDLK_QUOTE:
      return keys::kQuote;
    default:
      return 0;
  }
}

}  // namespace kanvo::display
