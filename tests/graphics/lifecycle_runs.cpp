#include "tests/graphics/lifecycle_runs.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

#include "tests/support/line_reader.h"

extern char** environ;

namespace kanvo::testing {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A run hangs when it does not end within this time of its last line (or of the click that
// closes it). Its first line may take longer: drawing is many times slower under a sanitizer.
constexpr milliseconds kHangAfter(10000);
constexpr milliseconds kFirstLineWithin(120000);

// One run of the probe, its output read line by line.
class ProbeRun {
 public:
  ProbeRun(const Xvfb& server, const std::string& way, const std::vector<std::string>& wrapper) {
    std::vector<std::string> words = wrapper;
    words.push_back(lifecycle_probe_path());
    words.push_back(way);
    words.push_back(std::to_string(KANVO_LIFECYCLE_MARKS));
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment = {"DISPLAY=" + server.display(), "SDL_VIDEODRIVER=x11",
                                            "SDL_AUDIODRIVER=dummy"};
    const auto replaced = [](std::string_view variable) {
      for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "KANVO_DISPLAY=", "SDL_VIDEODRIVER=",
                               "SDL_AUDIODRIVER="}) {
        if (variable.starts_with(name)) return true;
      }
      return false;
    };
    // faketime preloads its library ahead of the address sanitizer's runtime, which refuses to
    // start then unless told that the order is fine; other builds ignore the setting.
    std::string address_options = "ASAN_OPTIONS=verify_asan_link_order=0";
    for (char** variable = environ; *variable != nullptr; ++variable) {
      const std::string_view text = *variable;
      if (text.starts_with("ASAN_OPTIONS=")) {
        address_options += ":" + std::string(text.substr(13));
      } else if (!replaced(text)) {
        environment.emplace_back(text);
      }
    }
    environment.push_back(address_options);
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    // The error output goes to a file of its own, read once the run has ended: a pipe left unread
    // could fill and stall the probe in the middle of a long report.
    char errors_path[] = "/tmp/kanvo-lifecycle-XXXXXX";
    errors_ = mkostemp(errors_path, O_CLOEXEC);
    if (errors_ >= 0) unlink(errors_path);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (errors_ >= 0) posix_spawn_file_actions_adddup2(&actions, errors_, STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    output_fd_ = out[0];
    output_ = LineReader(output_fd_);
    started_ = Clock::now();
    line_deadline_ = started_ + kFirstLineWithin;
  }
  ~ProbeRun() {
    if (pid_ != 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (output_fd_ >= 0) close(output_fd_);
    if (errors_ >= 0) close(errors_);
  }
  ProbeRun(const ProbeRun&) = delete;
  ProbeRun& operator=(const ProbeRun&) = delete;

  pid_t pid() const { return pid_; }
  // The next line; nothing at the end of the output or when the run is taking too long.
  std::optional<std::string> line() {
    std::optional<std::string> text = output_.line(line_deadline_);
    if (text) line_deadline_ = Clock::now() + kHangAfter;
    return text;
  }
  // Waits for the end; its wait status, or nothing when it hangs (it is killed then).
  std::optional<int> end() {
    const Clock::time_point deadline = Clock::now() + kHangAfter;
    while (Clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = 0;
        ended_ = Clock::now();
        return status;
      }
      std::this_thread::sleep_for(milliseconds(1));
    }
    return std::nullopt;
  }
  Clock::time_point ended() const { return ended_; }

  // What the run wrote to its error output.
  std::string errors() const {
    std::string text;
    char buffer[4096];
    for (off_t at = 0; errors_ >= 0;) {
      const ssize_t got = pread(errors_, buffer, sizeof buffer, at);
      if (got <= 0) break;
      text.append(buffer, static_cast<std::size_t>(got));
      at += got;
    }
    return text;
  }

 private:
  pid_t pid_ = 0;
  int output_fd_ = -1;
  LineReader output_;
  int errors_ = -1;
  Clock::time_point started_;
  Clock::time_point line_deadline_;
  Clock::time_point ended_;
};

// The line of a sanitizer's report in a run's error output that says what it found, or nothing.
std::optional<std::string> sanitizer_report(const std::string& errors) {
  for (const char* mark : {"WARNING: ThreadSanitizer", "ERROR: AddressSanitizer",
                           "ERROR: LeakSanitizer", "runtime error:"}) {
    const std::size_t at = errors.find(mark);
    if (at == std::string::npos) continue;
    const std::size_t start = errors.rfind('\n', at);
    const std::size_t begin = start == std::string::npos ? 0 : start + 1;
    return errors.substr(begin, errors.find('\n', at) - begin);
  }
  return std::nullopt;
}

// The last line of a run's error output, which says why it ended, or nothing.
std::string last_line(std::string errors) {
  while (!errors.empty() && errors.back() == '\n') errors.pop_back();
  const std::size_t newline = errors.rfind('\n');
  return newline == std::string::npos ? errors : errors.substr(newline + 1);
}

// Whether a library of an OpenGL driver is mapped into the process.
bool maps_gl(pid_t pid) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  std::string line;
  while (std::getline(maps, line)) {
    for (const char* name : {"libGL", "libEGL", "swrast", "llvmpipe", "libLLVM", "_dri.so"}) {
      if (line.find(name) != std::string::npos) return true;
    }
  }
  return false;
}

// The probe's X window, once it is on the screen with the point inside.
bool shown_around(const Xvfb& server, pid_t pid, int x, int y) {
  const auto deadline = Clock::now() + milliseconds(5000);
  while (Clock::now() < deadline) {
    std::string window =
        server.run("xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null");
    window.resize(window.find('\n') == std::string::npos ? 0 : window.find('\n'));
    if (!window.empty()) {
      const surface::Rect rect = server.window_rect(window);
      if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) return true;
    }
    std::this_thread::sleep_for(milliseconds(20));
  }
  return false;
}

// False when the pointer could not be brought there.
bool click(const Xvfb& server, int x, int y) {
  if (!server.move_pointer(x, y)) return false;
  server.run("xdotool click 1");
  return true;
}

}  // namespace

std::string lifecycle_probe_path() {
  return KANVO_BINARY_DIR "/tests/graphics/lifecycle_probe";
}

LifecycleFigures run_lifecycle(const Xvfb& server, const std::string& way, int runs,
                               const std::vector<std::string>& wrapper) {
  LifecycleFigures figures;
  for (int run = 0; run < runs; ++run) {
    ++figures.runs;
    ProbeRun probe(server, way, wrapper);
    std::string failure;
    std::optional<Clock::time_point> last_call;
    if (way == "click") {
      const std::optional<std::string> line = probe.line();
      int x = -1;
      int y = -1;
      if (!line || std::sscanf(line->c_str(), "closebox %d %d", &x, &y) != 2) {
        failure = "no close box: " + line.value_or("nothing");
      } else if (!shown_around(server, probe.pid(), x, y)) {
        failure = "the window did not show";
      } else {
        // Let a first picture reach the screen before looking for a driver.
        std::this_thread::sleep_for(milliseconds(50));
        if (maps_gl(probe.pid())) ++figures.gl_mapped;
        if (server.move_pointer(x, y)) {
          // The press is the user's last word: the end is timed from when it is sent.
          last_call = Clock::now();
          server.run("xdotool click 1");
        } else {
          failure = "the pointer never reached the close box";
        }
      }
    } else {
      while (std::optional<std::string> line = probe.line()) {
        if (*line == "last") last_call = Clock::now();
      }
    }
    const std::optional<int> status = probe.end();
    const std::string errors = status ? probe.errors() : std::string();
    const std::optional<std::string> report = sanitizer_report(errors);
    if (!status) {
      ++figures.hangs;
      if (failure.empty()) failure = "hung";
    } else if (report) {
      ++figures.sanitizer_reports;
      failure = *report;
    } else if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
      ++figures.crashes;
      failure = WIFSIGNALED(*status) ? "signal " + std::to_string(WTERMSIG(*status))
                                     : "exit code " + std::to_string(WEXITSTATUS(*status));
      if (!errors.empty()) failure += " (" + last_line(errors) + ")";
    } else if (!last_call) {
      ++figures.crashes;
      if (failure.empty()) failure = "ended before its last call";
    } else {
      const double ms =
          std::chrono::duration<double, std::milli>(probe.ended() - *last_call).count();
      figures.longest_end_ms = std::max(figures.longest_end_ms, ms);
    }
    if (!failure.empty() && figures.first_failure.empty()) {
      figures.first_failure = "run " + std::to_string(run + 1) + ": " + failure;
    }
  }
  return figures;
}

std::string put_image_reaches_the_screen(const Xvfb& server) {
  ProbeRun probe(server, "put", {});
  const std::optional<std::string> line = probe.line();
  int x = -1;
  int y = -1;
  if (!line || std::sscanf(line->c_str(), "client %d %d", &x, &y) != 2) {
    return "the probe printed " + line.value_or("nothing");
  }
  if (!shown_around(server, probe.pid(), x + 100, y + 75)) return "the window did not show";
  // The click comes once the window is on the screen, so no first repaint follows the image.
  std::this_thread::sleep_for(milliseconds(200));
  if (!click(server, x + 150, y + 100)) return "the pointer never reached the window";
  if (probe.line() != "put") return "the probe did not put the image";
  std::string seen;
  bool shown = false;
  const auto deadline = Clock::now() + milliseconds(5000);
  while (!shown && Clock::now() < deadline) {
    const display::Image screen = server.screenshot();
    if (screen.width > x + 35 && screen.height > y + 35) {
      const display::PixelWord inside = screen.at(x + 35, y + 35) & 0xFFFFFF;
      const display::PixelWord outside = screen.at(x + 100, y + 100) & 0xFFFFFF;
      shown = inside == 0xFF0000 && outside == 0;
      seen = "inside " + std::to_string(inside) + ", outside " + std::to_string(outside);
    }
    std::this_thread::sleep_for(milliseconds(50));
  }
  if (!click(server, x + 160, y + 110)) return "the pointer never reached the window";  // ends it
  return shown ? "" : "the screen shows " + seen;
}

}  // namespace kanvo::testing
