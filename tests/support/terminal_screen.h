// A real terminal for end-to-end tests: a detached tmux session running one command, and what
// its screen shows, character by character with colours.
#pragma once

#include <string>
#include <vector>

namespace kanvo::testing {

// Runs a shell command; returns its exit status and standard output.
struct CommandResult {
  int status = -1;
  std::string output;
};
CommandResult run_command(const std::string& command);

// Quotes a string for the shell.
std::string shell_quote(const std::string& text);

// Terminal colour numbers as the screen shows them: 30-37 and 90-97 for the foreground,
// 40-47 and 100-107 for the background, 0 for the terminal's own colour.
struct Cell {
  std::string character;  // UTF-8
  int foreground = 0;
  int background = 0;
};

struct ScreenLine {
  std::vector<Cell> cells;
  std::string text() const;
  // Where `text` starts, counted in cells; -1 if absent.
  int find(const std::string& text) const;
};

// Parses tmux's capture-pane -e output: text with colour sequences.
std::vector<ScreenLine> parse_screen(const std::string& captured);

class TerminalSession {
 public:
  // Starts `command` through /bin/sh in a new terminal of 120 by 50 cells.
  explicit TerminalSession(const std::string& command);
  ~TerminalSession();
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  bool started() const { return started_; }
  // Keys in tmux's send-keys notation, e.g. "N", "Enter", "C-d".
  void send_keys(const std::string& keys);
  std::vector<ScreenLine> screen();
  // "the terminal shows:" and the screen's lines, for the message of a failed check.
  std::string screen_text();
  // Waits until the screen shows `text` `times` times, up to 15 seconds.
  bool wait_for(const std::string& text, int times = 1);

 private:
  std::string tmux(const std::string& arguments) const;

  std::string socket_;
  bool started_ = false;
};

}  // namespace kanvo::testing
