// Chooses the program's text encoding for one test and gives the default back afterwards, so
// that no test leaks its choice into the next.
#pragma once

#include "host/text/program_text.h"

namespace kanvo::testing {

class ScopedProgramEncoding {
 public:
  explicit ScopedProgramEncoding(text::TextEncoding encoding) : saved_(text::program_encoding()) {
    text::set_program_encoding(encoding);
  }
  ~ScopedProgramEncoding() { text::set_program_encoding(saved_); }
  ScopedProgramEncoding(const ScopedProgramEncoding&) = delete;
  ScopedProgramEncoding& operator=(const ScopedProgramEncoding&) = delete;

 private:
  text::TextEncoding saved_;
};

}  // namespace kanvo::testing
