// Waiting in tests for something another thread or process brings about.
#pragma once

#include <chrono>
#include <thread>

namespace kanvo::testing {

// Polls until the condition holds; false after `patience`.
template <typename Condition>
bool eventually(Condition condition,
                std::chrono::milliseconds patience = std::chrono::milliseconds(5000)) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return condition();
}

}  // namespace kanvo::testing
