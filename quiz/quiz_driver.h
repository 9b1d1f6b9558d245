// The quiz's rounds: a random power function, the question, the learner's answer and, on "Y",
// the answer in words, its voice clip and the graph.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

#include "host/console/console.h"
#include "host/console/token_reader.h"
#include "quiz/random_generator.h"

namespace kanvo::quiz {

// Everything the driver reaches outside itself, so that tests can stand in for each.
struct QuizServices {
  console::Console& console;
  console::TokenReader& answers;
  std::function<std::int64_t()> clock;  // seconds since 1970-01-01 00:00 UTC
  std::function<void(std::string_view gbk_clip_path)> play_clip;
  std::function<void(int index)> plot_graph;
};

class QuizDriver {
 public:
  explicit QuizDriver(QuizServices services) : services_(std::move(services)) {}

  // Colours the console, greets, then plays rounds for as long as answers come; returns when
  // the input ends.
  void run();

 private:
  // One round; false when the input ended while waiting for the answer.
  bool play_round();

  QuizServices services_;
  RandomGenerator random_;
  // Both wrap around in 32 bits rather than overflow, however long the quiz runs.
  std::uint32_t round_ = 0;
  std::uint32_t seed_counter_ = 10;
};

}  // namespace kanvo::quiz
