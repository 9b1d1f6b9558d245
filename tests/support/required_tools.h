// Screen and terminal tests drive outside tools (Xvfb, xdotool, ImageMagick, tmux, faketime).
// Where one is missing they are skipped with the reason; where KANVO_REQUIRE_SCREEN_TESTS=1 (CI,
// whose set-up installs every tool) a missing tool fails the test instead, so that a run cannot
// pass with its screen tests quietly left out.
//
//   void SetUp() override { KANVO_REQUIRE_TOOLS("Xvfb", "xdotool"); }
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kanvo::testing {

// Whether an executable of that name is in one of the PATH's folders.
inline bool tool_installed(std::string_view tool) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "";
  while (!folders.empty()) {
    const std::size_t end = folders.find(':');
    const std::string_view folder = folders.substr(0, end);
    if (!folder.empty()) {
      const std::string candidate = std::string(folder) + "/" + std::string(tool);
      if (::access(candidate.c_str(), X_OK) == 0) return true;
    }
    if (end == std::string_view::npos) break;
    folders.remove_prefix(end + 1);
  }
  return false;
}

// "needs a, b (scripts/setup.sh installs them)" for the missing tools; empty when all are there.
inline std::string missing_tools(std::initializer_list<std::string_view> tools) {
  std::string missing;
  for (const std::string_view tool : tools) {
    if (tool_installed(tool)) continue;
    missing += (missing.empty() ? "needs " : ", ") + std::string(tool);
  }
  return missing.empty() ? missing : missing + " (scripts/setup.sh installs them)";
}

inline bool skipping_forbidden() {
  const char* required = std::getenv("KANVO_REQUIRE_SCREEN_TESTS");
  return required != nullptr && std::string_view(required) == "1";
}

}  // namespace kanvo::testing

// Skips the test when a tool is missing, or fails it where skipping is forbidden. Returns from
// the calling function either way, as GoogleTest's own macros do.
#define KANVO_SKIP_OR_FAIL(reason)                                                \
  do {                                                                            \
    if (::kanvo::testing::skipping_forbidden()) {                                 \
      FAIL() << (reason) << "; KANVO_REQUIRE_SCREEN_TESTS=1 forbids skipping it"; \
    }                                                                             \
    GTEST_SKIP() << (reason);                                                     \
  } while (false)

#define KANVO_REQUIRE_TOOLS(...)                                                      \
  do {                                                                                \
    const std::string kanvo_missing = ::kanvo::testing::missing_tools({__VA_ARGS__}); \
    if (!kanvo_missing.empty()) KANVO_SKIP_OR_FAIL(kanvo_missing);                    \
  } while (false)
