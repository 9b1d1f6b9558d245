// Sends standard error to /dev/null for the lifetime of the object. Audio back-ends print
// complaints there when no device exists; the terminal belongs to the quiz.
#pragma once

namespace kanvo::sound {

class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace kanvo::sound
