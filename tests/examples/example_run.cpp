#include "example_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace kanvo::testing {
namespace {

constexpr auto kTimeLimit = std::chrono::seconds(60);

std::vector<std::string> environment_for(const std::vector<std::string>& unset,
                                         const std::vector<std::string>& set) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable(*entry);
    const std::string name = variable.substr(0, variable.find('='));
    bool removed = false;
    for (const std::string& gone : unset) removed = removed || gone == name;
    if (!removed) result.push_back(variable);
  }
  result.insert(result.end(), set.begin(), set.end());
  return result;
}

std::vector<char*> pointers_to(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& text : strings) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

ExampleRun::ExampleRun() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kanvo-example-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
}

ExampleRun::~ExampleRun() {
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

int ExampleRun::run(const std::string& program, const std::vector<std::string>& arguments,
                    const std::vector<std::string>& unset, const std::vector<std::string>& set) {
  std::vector<std::string> argv_strings{program};
  argv_strings.insert(argv_strings.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment = environment_for(unset, set);
  std::vector<char*> argv = pointers_to(argv_strings);
  std::vector<char*> envp = pointers_to(environment);

  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (::chdir(folder_.c_str()) == 0) ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  int status = 0;
  while (::waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool ExampleRun::has_file(const std::string& name) const {
  return std::filesystem::is_regular_file(std::filesystem::path(folder_) / name);
}

CanvasImage ExampleRun::picture(const std::string& name) const {
  const std::filesystem::path path =
      name.starts_with('/') ? std::filesystem::path(name) : std::filesystem::path(folder_) / name;
  CanvasImage image;
  load_image(&image, path.c_str(), 0, 0, true);
  return image;
}

Color colour_at(const CanvasImage& image, std::int32_t x, std::int32_t y) {
  return platform::swap_red_blue(image.pixels()[y * image.width() + x]) & 0xFFFFFF;
}

}  // namespace kanvo::testing
