#include "tests/support/terminal_screen.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

namespace kanvo::testing {

CommandResult run_command(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer;
  std::size_t count = 0;
  while ((count = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    result.output.append(buffer.data(), count);
  }
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string shell_quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ScreenLine::text() const {
  std::string joined;
  for (const Cell& cell : cells) joined += cell.character;
  return joined;
}

int ScreenLine::find(const std::string& wanted) const {
  for (std::size_t start = 0; start < cells.size(); ++start) {
    std::string joined;
    for (std::size_t i = start; i < cells.size() && joined.size() < wanted.size(); ++i) {
      joined += cells[i].character;
    }
    if (joined == wanted) return static_cast<int>(start);
  }
  return -1;
}

namespace {

void apply_sgr(const std::string& parameters, int& foreground, int& background) {
  std::vector<int> codes;
  std::stringstream stream(parameters);
  std::string item;
  while (std::getline(stream, item, ';')) codes.push_back(item.empty() ? 0 : std::stoi(item));
  if (codes.empty()) codes.push_back(0);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const int code = codes[i];
    if (code == 0) {
      foreground = background = 0;
    } else if ((code >= 30 && code <= 37) || (code >= 90 && code <= 97)) {
      foreground = code;
    } else if (code == 39) {
      foreground = 0;
    } else if ((code >= 40 && code <= 47) || (code >= 100 && code <= 107)) {
      background = code;
    } else if (code == 49) {
      background = 0;
    } else if (code == 38 || code == 48) {
      // Extended colours: record them as unknown, skip their arguments.
      (code == 38 ? foreground : background) = -1;
      i += (i + 1 < codes.size() && codes[i + 1] == 5) ? 2 : 4;
    }
  }
}

std::size_t utf8_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

std::vector<ScreenLine> parse_screen(const std::string& captured) {
  std::vector<ScreenLine> lines(1);
  int foreground = 0;
  int background = 0;
  for (std::size_t i = 0; i < captured.size();) {
    const char c = captured[i];
    if (c == '\x1b' && i + 1 < captured.size() && captured[i + 1] == '[') {
      const std::size_t end = captured.find_first_of("ABCDEFGHJKSTfmnsu", i + 2);
      if (end == std::string::npos) break;
      if (captured[end] == 'm') {
        apply_sgr(captured.substr(i + 2, end - i - 2), foreground, background);
      }
      i = end + 1;
    } else if (c == '\n') {
      lines.emplace_back();
      ++i;
    } else {
      const std::size_t length = utf8_length(static_cast<unsigned char>(c));
      lines.back().cells.push_back({captured.substr(i, length), foreground, background});
      i += length;
    }
  }
  return lines;
}

namespace {

std::string unique_socket_name() {
  static std::atomic<int> counter{0};
  return "/tmp/kanvo-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) +
         ".socket";
}

}  // namespace

TerminalSession::TerminalSession(const std::string& command) : socket_(unique_socket_name()) {
  // No configuration of the user's; a terminal type even where the caller has none.
  started_ = run_command("TERM=${TERM:-xterm} tmux -u -S " + socket_ +
                         " -f /dev/null new-session -d -x 120 -y 50 " + shell_quote(command))
                 .status == 0;
}

TerminalSession::~TerminalSession() {
  run_command(tmux("kill-server"));
  unlink(socket_.c_str());  // tmux leaves its socket file behind
}

std::string TerminalSession::tmux(const std::string& arguments) const {
  return "tmux -u -S " + socket_ + " " + arguments;
}

void TerminalSession::send_keys(const std::string& keys) {
  run_command(tmux("send-keys " + keys));
}

std::vector<ScreenLine> TerminalSession::screen() {
  return parse_screen(run_command(tmux("capture-pane -p -e")).output);
}

std::string TerminalSession::screen_text() {
  std::string lines = "the terminal shows:\n";
  for (const ScreenLine& line : screen()) lines += line.text() + "\n";
  return lines;
}

bool TerminalSession::wait_for(const std::string& text, int times) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (std::chrono::steady_clock::now() < give_up) {
    int found = 0;
    for (const ScreenLine& line : screen()) {
      const std::string joined = line.text();
      for (std::size_t at = joined.find(text); at != std::string::npos;
           at = joined.find(text, at + 1)) {
        ++found;
      }
    }
    if (found >= times) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

}  // namespace kanvo::testing
