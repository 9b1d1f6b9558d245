#include "tests/support/x_server.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/eventually.h"

namespace kanvo::testing {
namespace {

constexpr std::int32_t kScreenWidth = 1024;
constexpr std::int32_t kScreenHeight = 768;

// The pointer in xdotool's getmouselocation --shell output (X=, Y=, SCREEN=, WINDOW= lines).
std::optional<surface::Point> pointer_in(const std::string& shell) {
  surface::Point point;
  const std::size_t at = shell.rfind("X=");
  if (at == std::string::npos ||
      std::sscanf(shell.c_str() + at, "X=%d Y=%d", &point.x, &point.y) != 2) {
    return std::nullopt;
  }
  return point;
}

}  // namespace

bool on_path(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string output_of(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, read);
    pclose(pipe);
  }
  return text;
}

Xvfb::Xvfb() {
  // Xvfb picks a display number nobody uses and tells it through a pipe, so that servers started
  // side by side never fight over one.
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return;
  const std::string write_end = std::to_string(pipe_ends[1]);
  // Without -noreset the server starts afresh whenever its last client leaves, and a client
  // that connects at that moment is turned away: tests connect and leave all the time.
  const char* argv[] = {"Xvfb",      "-displayfd", write_end.c_str(), "-screen", "0", "1024x768x24",
                        "-nolisten", "tcp",        "-noreset",        nullptr};
  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ == 0) {
    // The server ends with the test program, however that ends, rather than stay behind.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    execvp("Xvfb", const_cast<char**>(argv));
    _exit(127);
  }
  close(pipe_ends[1]);
  const bool spawned = pid_ > 0;
  if (!spawned) pid_ = 0;
  std::string number;
  pollfd ready{pipe_ends[0], POLLIN, 0};
  char c = 0;
  while (spawned && poll(&ready, 1, 10000) == 1 && read(pipe_ends[0], &c, 1) == 1 && c != '\n') {
    number += c;
  }
  close(pipe_ends[0]);
  if (number.empty()) {
    stop();
    return;
  }
  display_ = ":" + number;
}

Xvfb::~Xvfb() {
  stop();
}

void Xvfb::stop() {
  if (pid_ == 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
  pid_ = 0;
}

display::Image Xvfb::screenshot() const {
  // A binary PPM: "P6", width, height, 255, then three bytes a pixel.
  const std::string ppm =
      output_of("import -display " + display_ + " -window root -depth 8 ppm:- 2>/dev/null");
  display::Image image;
  int width = 0;
  int height = 0;
  int maximum = 0;
  int header = 0;
  if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maximum, &header) != 3 ||
      maximum != 255 || width <= 0 || height <= 0) {
    return image;
  }
  const std::size_t start = static_cast<std::size_t>(header) + 1;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (ppm.size() < start + count * 3) return image;
  image.width = width;
  image.height = height;
  image.pixels.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto byte = [&](std::size_t k) {
      return static_cast<display::PixelWord>(static_cast<unsigned char>(ppm[start + i * 3 + k]));
    };
    image.pixels[i] = (byte(0) << 16) | (byte(1) << 8) | byte(2);
  }
  return image;
}

std::string Xvfb::run(const std::string& command) const {
  return output_of("DISPLAY=" + display_ + " " + command);
}

std::string Xvfb::window_of_class(const std::string& class_name) const {
  std::string found = run("xdotool search --class '" + class_name + "' 2>/dev/null");
  found.resize(found.find('\n') == std::string::npos ? 0 : found.find('\n'));
  return found;
}

surface::Rect Xvfb::window_rect(const std::string& window) const {
  // --shell prints WINDOW=, X=, Y=, WIDTH=, HEIGHT= and SCREEN= lines.
  const std::string shell = run("xdotool getwindowgeometry --shell " + window + " 2>/dev/null");
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  const std::size_t at = shell.find("X=");
  if (at == std::string::npos || std::sscanf(shell.c_str() + at, "X=%d Y=%d WIDTH=%d HEIGHT=%d", &x,
                                             &y, &width, &height) != 4) {
    return {};
  }
  return {x, y, x + width, y + height};
}

bool Xvfb::focus(const std::string& window, std::chrono::milliseconds patience) const {
  return eventually(
      [&] {
        run("xdotool windowfocus --sync " + window + " 2>/dev/null");
        return run("xdotool getwindowfocus 2>/dev/null") == window + "\n";
      },
      patience);
}

bool Xvfb::shows_active_caption(const std::string& window) const {
  constexpr display::PixelWord kActiveCaption = 0x0078D7;
  const surface::Rect frame = window_rect(window);
  if (frame.right <= frame.left) return false;
  const display::Image screen = screenshot();
  const int x = frame.left + 10;  // inside the caption, clear of its edge and its icon
  const int y = frame.top + 10;
  return x >= 0 && y >= 0 && x < screen.width && y < screen.height &&
         screen.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(screen.width) +
                       static_cast<std::size_t>(x)] == kActiveCaption;
}

void Xvfb::minimize(const std::string& window) const {
  run("xdotool windowunmap --sync " + window);
}

void Xvfb::restore(const std::string& window) const {
  run("xdotool windowmap --sync " + window);
}

std::optional<surface::Point> Xvfb::pointer() const {
  return pointer_in(run("xdotool getmouselocation --shell 2>/dev/null"));
}

bool Xvfb::move_pointer(std::int32_t x, std::int32_t y) const {
  return move_pointer_along({{x, y}});
}

bool Xvfb::move_pointer_along(const std::vector<surface::Point>& points) const {
  if (points.empty()) return true;
  for (const surface::Point& point : points) {
    if (point.x < 0 || point.y < 0 || point.x >= kScreenWidth || point.y >= kScreenHeight) {
      return false;
    }
  }
  // xdotool waits for each move until the pointer has left where it stood, which it never does
  // when it stands at the point already: such a move is left out, and a first one made from a
  // pixel aside. The timeout keeps a wait that has no end from hanging the test.
  std::string command = "timeout 20 xdotool";
  const auto move = [&](surface::Point to) {
    command += " mousemove --sync " + std::to_string(to.x) + " " + std::to_string(to.y);
  };
  surface::Point at = pointer().value_or(surface::Point{-1, -1});
  if (at == points.front()) {
    at.x += at.x > 0 ? -1 : 1;
    move(at);
  }
  for (const surface::Point& point : points) {
    if (point == at) continue;
    move(point);
    at = point;
  }
  command += " getmouselocation --shell 2>/dev/null";
  return pointer_in(run(command)) == points.back();
}

}  // namespace kanvo::testing
