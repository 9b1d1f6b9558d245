// The sixteen power functions y = x^(m/n) the quiz asks about, with their answers and voice
// clips. Every text and path is a GBK byte string, written to the console and handed to the
// sound player byte for byte.
#pragma once

#include <array>
#include <string_view>

namespace kanvo::quiz {

// What is revealed: the quadrants the graph passes through, in words and as a recorded clip.
struct AnswerCue {
  std::string_view answer_text;  // no line break of its own
  std::string_view clip_path;    // "音乐", a backslash, the wave file's name
};

struct Exponent {
  int numerator;
  int denominator;

  double value() const { return static_cast<double>(numerator) / denominator; }
};

struct PowerFunction {
  int index;               // 1 to 16; also the number of the function's plot recipe
  std::string_view label;  // "幂函数y=x^" and the exponent as written; no line break
  Exponent exponent;
  const AnswerCue* answer;
};

class FunctionCatalogue {
 public:
  static constexpr int kSize = 16;

  // The function with the index 1 to kSize, or nullptr for any other index.
  static const PowerFunction* find(int index);

  static const std::array<PowerFunction, kSize>& functions();
};

}  // namespace kanvo::quiz
