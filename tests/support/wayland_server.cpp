#include "tests/support/wayland_server.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

namespace kanvo::testing {
namespace {

constexpr const char* kSocket = "wayland-kanvo";

}  // namespace

Weston::Weston(Input input) {
  if (input == Input::x_server) {
    x_server_.emplace();
    if (!x_server_->running()) return;
  }
  char folder[] = "/tmp/kanvo-weston-XXXXXX";  // made 0700, as a runtime folder must be
  if (::mkdtemp(folder) == nullptr) return;
  runtime_folder_ = folder;
  std::vector<std::string> environment;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    const std::string_view text(*variable);
    if (!text.starts_with("DISPLAY=") && !text.starts_with("XDG_RUNTIME_DIR=") &&
        !text.starts_with("WAYLAND_DISPLAY=")) {
      environment.emplace_back(text);
    }
  }
  if (x_server_) environment.push_back("DISPLAY=" + x_server_->display());
  environment.push_back("XDG_RUNTIME_DIR=" + runtime_folder_);
  std::vector<char*> env_pointers;
  for (std::string& variable : environment) env_pointers.push_back(variable.data());
  env_pointers.push_back(nullptr);
  // No animations to catch half-way in a screenshot, and no on-screen keyboard.
  const std::string config_path = runtime_folder_ + "/weston.ini";
  std::ofstream(config_path) << "[shell]\nanimation=none\nstartup-animation=none\n"
                                "close-animation=none\nfocus-animation=none\n"
                                "[input-method]\npath=\n";
  const std::string config = "--config=" + config_path;
  const std::string socket = std::string("--socket=") + kSocket;
  const std::string log = "--log=" + runtime_folder_ + "/weston.log";
  // Pixman draws into shared memory that the X server shows; no OpenGL is needed.
  const char* backend = x_server_ ? "--backend=x11-backend.so" : "--backend=headless-backend.so";
  const std::string height = "--height=" + std::to_string(kOutputHeight);
  const char* argv[] = {"weston",       backend,         "--use-pixman", "--width=1024",
                        height.c_str(), "--idle-time=0", socket.c_str(), log.c_str(),
                        config.c_str(), nullptr};
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) {
    // The compositor ends with the test program, however that ends (a headless one has no X
    // server beneath whose end would end it too).
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(1);
    ::execvpe("weston", const_cast<char**>(argv), env_pointers.data());
    ::_exit(127);
  }
  if (pid_ < 0) {
    pid_ = 0;
    return;
  }
  // Ready for clients once its socket is there and its desktop is on the screen.
  const std::filesystem::path socket_path = runtime_folder_ + "/" + kSocket;
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!std::filesystem::exists(socket_path) && std::chrono::steady_clock::now() < give_up) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!std::filesystem::exists(socket_path)) {
    stop();
    return;
  }
  if (!x_server_) return;
  // The X server's screen is black until weston's shell has drawn its desktop there, and a black
  // window could be taken for what is still black.
  while (std::chrono::steady_clock::now() < give_up) {
    const display::Image screen = screenshot();
    if (screen.width > 0 && (screen.at(screen.width / 2, screen.height / 2) & 0xFFFFFF) != 0) {
      // A weston whose window came up under the pointer sometimes never takes the pointer, and
      // then neither pointer nor keys reach its clients: the pointer leaves its window over the
      // strip of the X screen below the output and comes back. It stays in the output's bottom
      // right corner, out of the windows' way (weston draws it into the picture) but over the
      // output, where the keys go with it.
      if (move_pointer(512, kOutputHeight + 16) && move_pointer(1020, kOutputHeight - 4)) return;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  stop();
}

Weston::~Weston() {
  stop();
}

void Weston::stop() {
  if (pid_ != 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }
  if (!runtime_folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(runtime_folder_, ignored);
    runtime_folder_.clear();
  }
}

display::Image Weston::screenshot() const {
  return x_server_ ? x_server_->screenshot() : display::Image{};
}

std::string Weston::run(const std::string& command) const {
  return x_server_ ? x_server_->run(command) : std::string();
}

bool Weston::move_pointer(std::int32_t x, std::int32_t y) const {
  return x_server_ && x_server_->move_pointer(x, y);
}

std::string Weston::client_environment() const {
  return "DISPLAY= KANVO_DISPLAY= SDL_VIDEODRIVER=wayland XDG_RUNTIME_DIR=" + runtime_folder_ +
         " WAYLAND_DISPLAY=" + kSocket;
}

surface::Rect find_block(const display::Image& screen, display::PixelWord color, std::int32_t width,
                         std::int32_t height) {
  auto is_color = [&](std::int32_t x, std::int32_t y) {
    return (screen.at(x, y) & 0xFFFFFF) == color;
  };
  for (std::int32_t top = 0; top + height <= screen.height; ++top) {
    for (std::int32_t left = 0; left + width <= screen.width; ++left) {
      if (!is_color(left, top)) continue;
      bool whole = true;
      for (std::int32_t y = top; y < top + height && whole; ++y) {
        for (std::int32_t x = left; x < left + width && whole; ++x) whole = is_color(x, y);
      }
      if (whole) return {left, top, left + width, top + height};
    }
  }
  return {};
}

}  // namespace kanvo::testing
