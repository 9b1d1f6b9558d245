// What a key typed in a window becomes in the terminal's input: the bytes under various terminal
// settings, and on a real pseudo-terminal what its line discipline makes of them.
#include "host/terminal/terminal_typing.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <functional>
#include <string>

#include "tests/support/refused_terminal_typing.h"

namespace kanvo::terminal {
namespace {

// A terminal as a shell leaves it for a program reading lines.
termios line_settings() {
  termios settings{};
  cfmakeraw(&settings);
  settings.c_iflag |= ICRNL | IXON;
  settings.c_oflag |= OPOST | ONLCR;
  settings.c_lflag |= ICANON | ECHO | ECHOE | ISIG;
  settings.c_cc[VINTR] = 3;
  settings.c_cc[VQUIT] = 0x1C;
  settings.c_cc[VSUSP] = 0x1A;
  settings.c_cc[VERASE] = 0x7F;
  settings.c_cc[VEOF] = 4;
  settings.c_cc[VSTOP] = 0x13;
  settings.c_cc[VSTART] = 0x11;
  return settings;
}

std::string bytes_of(char32_t character, const termios& settings) {
  return keyboard_bytes(character, std::string(1, static_cast<char>(character)), settings);
}

TEST(KeyboardBytesTest, TextAndPlainControlCharactersPassAsTheyAre) {
  const termios settings = line_settings();
  EXPECT_EQ(keyboard_bytes(U'h', "h", settings), "h");
  // The program's encoding decides the bytes of other characters.
  EXPECT_EQ(keyboard_bytes(U'确', "\xC8\xB7", settings), "\xC8\xB7");
  EXPECT_EQ(keyboard_bytes(0x7F, "", settings), "\x7F");  // Delete erases as Backspace does
  // Tab, Ctrl+U (erase the line), Escape: the terminal or the program makes of them what it does.
  EXPECT_EQ(bytes_of(U'\t', settings), "\t");
  EXPECT_EQ(bytes_of(0x15, settings), "\x15");
  EXPECT_EQ(bytes_of(0x1B, settings), "\x1B");
}

TEST(KeyboardBytesTest, EnterEndsTheLineUnderEverySetting) {
  termios settings = line_settings();
  EXPECT_EQ(bytes_of(U'\r', settings), "\r");  // mapped to a line feed by the terminal
  settings.c_iflag &= ~ICRNL;
  EXPECT_EQ(bytes_of(U'\r', settings), "\n");
  settings.c_iflag |= ICRNL | IGNCR;
  EXPECT_EQ(bytes_of(U'\r', settings), "\n");
  // A program reading single keys gets what a keyboard sends.
  settings.c_iflag &= ~(ICRNL | IGNCR);
  settings.c_lflag &= ~ICANON;
  EXPECT_EQ(bytes_of(U'\r', settings), "\r");
}

TEST(KeyboardBytesTest, BackspaceAndCtrlDAreTheTerminalsEraseAndEndOfInput) {
  termios settings = line_settings();
  EXPECT_EQ(bytes_of(8, settings), "\x7F");
  EXPECT_EQ(bytes_of(4, settings), "\x04");
  settings.c_cc[VERASE] = 8;
  settings.c_cc[VEOF] = 0x01;
  EXPECT_EQ(bytes_of(8, settings), "\b");
  EXPECT_EQ(bytes_of(0x7F, settings), "\b");
  EXPECT_EQ(bytes_of(4, settings), "\x01");
  settings.c_cc[VERASE] = _POSIX_VDISABLE;
  settings.c_cc[VEOF] = _POSIX_VDISABLE;
  EXPECT_EQ(bytes_of(8, settings), "\x7F");
  EXPECT_EQ(bytes_of(4, settings), "\x04");
}

TEST(KeyboardBytesTest, SignalAndFlowControlCharactersAreNeverSent) {
  termios settings = line_settings();
  for (const char32_t character : {0x03, 0x1C, 0x1A, 0x13, 0x11}) {
    EXPECT_EQ(bytes_of(character, settings), "") << "character " << static_cast<int>(character);
  }
  // Another interrupt character: Ctrl+C is plain text then, the new one is held back.
  settings.c_cc[VINTR] = 0x18;
  EXPECT_EQ(bytes_of(0x03, settings), "\x03");
  EXPECT_EQ(bytes_of(0x18, settings), "");
  // A switched-off setting holds back nothing, not even the byte that stands for "off".
  settings.c_cc[VQUIT] = _POSIX_VDISABLE;
  EXPECT_EQ(bytes_of(0x1C, settings), "\x1C");
  EXPECT_EQ(bytes_of(_POSIX_VDISABLE, settings), std::string(1, '\0'));
  // Without flow control Ctrl+S and Ctrl+Q stop nothing and pass.
  settings.c_iflag &= ~IXON;
  EXPECT_EQ(bytes_of(0x13, settings), "\x13");
  EXPECT_EQ(bytes_of(0x11, settings), "\x11");
}

TEST(TerminalTypingTest, NothingIsTypedIntoAPipe) {
  int fds[2];
  ASSERT_EQ(::pipe2(fds, O_NONBLOCK), 0);
  TerminalTyping typing(fds[0]);
  typing.type(U'a', "a");
  typing.type(U'\r', "\r");
  typing.discard_unread();
  char byte = 0;
  EXPECT_EQ(::read(fds[0], &byte, 1), -1);
  EXPECT_EQ(errno, EAGAIN);
  ::close(fds[0]);
  ::close(fds[1]);
}

bool tiocsti_allowed() {
  int allowed = 1;
  if (FILE* setting = std::fopen("/proc/sys/dev/tty/legacy_tiocsti", "r")) {
    if (std::fscanf(setting, "%d", &allowed) != 1) allowed = 1;
    std::fclose(setting);
  }
  return allowed != 0;
}

// Runs `work` in a child process whose controlling terminal is a new pseudo-terminal in the
// settings above, as a program started from a shell has one, with `typed_ahead` typed at the
// terminal's keyboard before; returns what the work reported and, in `echo`, what the terminal
// showed.
std::string on_own_terminal(const std::function<std::string(int terminal)>& work, std::string* echo,
                            const std::string& typed_ahead = "") {
  int controller = -1;
  int terminal = -1;
  EXPECT_EQ(::openpty(&controller, &terminal, nullptr, nullptr, nullptr), 0);
  termios settings = line_settings();
  EXPECT_EQ(::tcsetattr(terminal, TCSANOW, &settings), 0);
  EXPECT_EQ(::write(controller, typed_ahead.data(), typed_ahead.size()),
            static_cast<ssize_t>(typed_ahead.size()));
  int report[2];
  EXPECT_EQ(::pipe(report), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    ::close(controller);
    // A session of its own, whose controlling terminal the pseudo-terminal becomes.
    if (::setsid() < 0 || ::ioctl(terminal, TIOCSCTTY, 0) != 0) ::_exit(2);
    const std::string reported = work(terminal);
    (void)!::write(report[1], reported.data(), reported.size());
    ::_exit(0);
  }
  ::close(report[1]);
  ::close(terminal);
  std::string reported;
  std::array<char, 256> buffer{};
  for (ssize_t count; (count = ::read(report[0], buffer.data(), buffer.size())) > 0;) {
    reported.append(buffer.data(), static_cast<std::size_t>(count));
  }
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the child got no terminal of its own or was ended by a signal";
  ::fcntl(controller, F_SETFL, O_NONBLOCK);
  for (ssize_t count; (count = ::read(controller, buffer.data(), buffer.size())) > 0;) {
    echo->append(buffer.data(), static_cast<std::size_t>(count));
  }
  ::close(controller);
  ::close(report[0]);
  return reported;
}

void type(TerminalTyping& typing, std::u32string_view keys) {
  for (const char32_t key : keys) typing.type(key, std::string(1, static_cast<char>(key)));
}

// One read, as a program's reader of lines makes it, in brackets.
std::string read_once(int terminal) {
  std::array<char, 64> buffer{};
  const ssize_t count = ::read(terminal, buffer.data(), buffer.size());
  return "[" + std::string(buffer.data(), count > 0 ? static_cast<std::size_t>(count) : 0) + "]";
}

TEST(TerminalTypingTest, TheTerminalEchoesEditsAndEndsTheTypedLines) {
  if (!tiocsti_allowed()) GTEST_SKIP() << "this kernel lets no program type into a terminal";
  std::string echo;
  const std::string reported = on_own_terminal(
      [](int terminal) {
        TerminalTyping typing(terminal);
        std::string read_back;
        type(typing, U"hi\bo 42\r");
        read_back += read_once(terminal);
        type(typing, U"\x03\x1C\x1Aok\r");
        read_back += read_once(terminal);
        type(typing, U"\x04");  // at the start of a line: the end of input
        read_back += read_once(terminal);
        type(typing, U"left");  // never ended, never read
        typing.discard_unread();
        type(typing, U"y\r");
        read_back += read_once(terminal);
        return read_back;
      },
      &echo);
  // Backspace erased the "i"; Ctrl+C, Ctrl+\ and Ctrl+Z neither arrived nor raised a signal;
  // Ctrl+D ended the input; the unended "left" was thrown away.
  EXPECT_EQ(reported, "[ho 42\n][ok\n][][y\n]");
  // Shown as typed, the line left unread too: the terminal echoes at typing, not at reading.
  EXPECT_EQ(echo, "hi\b \bo 42\r\nok\r\nlefty\r\n");
}

// A program run in the background would type into the shell's input.
TEST(TerminalTypingTest, NothingIsTypedFromTheBackground) {
  if (!tiocsti_allowed()) GTEST_SKIP() << "this kernel lets no program type into a terminal";
  std::string echo;
  const std::string reported = on_own_terminal(
      [](int terminal) -> std::string {
        const pid_t background = ::fork();
        if (background == 0) {
          ::setpgid(0, 0);  // a job of its own, not the terminal's foreground job
          TerminalTyping typing(terminal);
          type(typing, U"bg\r");
          typing.discard_unread();  // would stop the job if it tried
          ::_exit(0);
        }
        int status = 0;
        ::waitpid(background, &status, WUNTRACED);
        if (!WIFEXITED(status)) {
          ::kill(background, SIGKILL);
          ::waitpid(background, nullptr, 0);
          return "the background job was stopped or killed";
        }
        pollfd input{terminal, POLLIN, 0};
        return ::poll(&input, 1, 200) == 0 ? "nothing" : "typed " + read_once(terminal);
      },
      &echo);
  EXPECT_EQ(reported, "nothing");
  EXPECT_EQ(echo, "");
}

// Where the system refuses (newer kernels refuse every program), nothing is typed, nothing
// waits or fails, and what the user typed at the terminal is read as ever: it is not thrown
// away at the end as if it had been typed for the program.
TEST(TerminalTypingTest, ARefusingSystemTypesNothingAndKeepsWhatTheUserTyped) {
  for (const int error : {EPERM, EIO}) {
    std::string echo;
    const std::string reported = on_own_terminal(
        [error](int terminal) -> std::string {
          if (!testing::refuse_terminal_typing(error)) return "no refusal";
          TerminalTyping typing(terminal);
          type(typing, U"ab\r");
          type(typing, U"cd\r");  // refused once, it does not ask again
          typing.discard_unread();
          pollfd input{terminal, POLLIN, 0};
          return ::poll(&input, 1, 2000) == 1 ? read_once(terminal) : "thrown away";
        },
        &echo, "mine\n");
    EXPECT_EQ(reported, "[mine\n]") << "error " << error;
    EXPECT_EQ(echo, "mine\r\n") << "error " << error;
  }
}

}  // namespace
}  // namespace kanvo::terminal
