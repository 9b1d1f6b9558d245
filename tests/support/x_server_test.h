// A test suite whose cases share one X server (Xvfb). The cases are skipped, with the reason,
// when a tool the suite names in `kTools` is not installed (failed where skipping is forbidden).
//
//   class MyScreenTest : public XServerTest<MyScreenTest> {
//    public:
//     static constexpr std::array kTools{"Xvfb", "xdotool", "import"};
//   };
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/required_tools.h"
#include "tests/support/x_server.h"

namespace kanvo::testing {

template <class Suite>
class XServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* tool : Suite::kTools) {
      if (!tool_installed(tool)) {
        missing_ = std::string(tool) + " is not installed (scripts/setup.sh installs it)";
        return;
      }
    }
    server_ = new Xvfb;
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    if (!missing_.empty()) KANVO_SKIP_OR_FAIL(missing_);
    ASSERT_TRUE(server_->running()) << "Xvfb did not start";
  }

  static inline Xvfb* server_ = nullptr;
  static inline std::string missing_;
};

}  // namespace kanvo::testing
