#include "host/terminal/terminal_typing.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace kanvo::terminal {
namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEndOfInput = 4;  // Ctrl+D
constexpr char32_t kDelete = 0x7F;

bool names(const termios& settings, int slot, char byte) {
  const cc_t value = settings.c_cc[slot];
  return value != _POSIX_VDISABLE && value == static_cast<cc_t>(byte);
}

// The setting's character, or `otherwise` where the setting is switched off.
char setting_or(const termios& settings, int slot, char otherwise) {
  const cc_t value = settings.c_cc[slot];
  return value != _POSIX_VDISABLE ? static_cast<char>(value) : otherwise;
}

char end_of_line(const termios& settings) {
  // A keyboard sends a carriage return, which the terminal maps to a line feed where it is set
  // to; a reader of lines whose terminal maps nothing gets the line feed that ends its line.
  const bool maps_return = (settings.c_iflag & ICRNL) != 0;
  const bool ignores_return = (settings.c_iflag & IGNCR) != 0;
  const bool reads_lines = (settings.c_lflag & ICANON) != 0;
  return ignores_return || (reads_lines && !maps_return) ? '\n' : '\r';
}

bool stops_or_signals(const termios& settings, char byte) {
  constexpr std::array kSignals{VINTR, VQUIT, VSUSP};
  for (const int slot : kSignals) {
    if (names(settings, slot, byte)) return true;
  }
  const bool flow_control = (settings.c_iflag & IXON) != 0;
  return flow_control && (names(settings, VSTOP, byte) || names(settings, VSTART, byte));
}

// Only the terminal's foreground job reads what is typed there: a program run in the background
// would type into the shell's input, and its flush would stop it (SIGTTOU).
bool in_foreground(int fd) {
  return ::tcgetpgrp(fd) == ::getpgrp();
}

}  // namespace

std::string keyboard_bytes(char32_t character, std::string_view encoded, const termios& settings) {
  if (character >= 0x20 && character != kDelete) return std::string(encoded);
  char byte = static_cast<char>(character);
  if (character == U'\r') {
    byte = end_of_line(settings);
  } else if (character == kBackspace || character == kDelete) {
    byte = setting_or(settings, VERASE, static_cast<char>(kDelete));
  } else if (character == kEndOfInput) {
    byte = setting_or(settings, VEOF, static_cast<char>(kEndOfInput));
  }
  if (stops_or_signals(settings, byte)) return {};
  return std::string(1, byte);
}

TerminalTyping::TerminalTyping(int fd) : fd_(fd), usable_(::isatty(fd) != 0) {}

void TerminalTyping::type(char32_t character, std::string_view encoded) {
  if (!usable_.load(std::memory_order_relaxed) || !in_foreground(fd_)) return;
  // Read each time: the program may switch echo or line editing off and on while it runs.
  termios settings{};
  if (::tcgetattr(fd_, &settings) != 0) return;
  for (const char byte : keyboard_bytes(character, encoded, settings)) {
    int result = 0;
    do {
      result = ::ioctl(fd_, TIOCSTI, &byte);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
      // Refused (newer kernels allow it to nobody, or the terminal is not this process's own):
      // the keys still reach the window's key queue.
      usable_.store(false, std::memory_order_relaxed);
      return;
    }
    typed_.store(true, std::memory_order_relaxed);
  }
}

void TerminalTyping::discard_unread() {
  if (typed_.exchange(false) && in_foreground(fd_)) ::tcflush(fd_, TCIFLUSH);
}

}  // namespace kanvo::terminal
