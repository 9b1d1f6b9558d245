// Runs a built example the way a grader would: in a fresh folder of its own, without a screen,
// then reads back the pictures it saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/kanvo.h"

namespace kanvo::testing {

class ExampleRun {
 public:
  ExampleRun();
  ~ExampleRun();
  ExampleRun(const ExampleRun&) = delete;
  ExampleRun& operator=(const ExampleRun&) = delete;

  // Runs the program with the arguments in the folder and returns its exit status (-1 when it
  // did not end by itself within a minute and was killed, or was killed by a signal). The
  // variables in `unset` are removed from its environment, the others in `set` ("NAME=value")
  // added.
  int run(const std::string& program, const std::vector<std::string>& arguments,
          const std::vector<std::string>& unset = {}, const std::vector<std::string>& set = {});

  bool has_file(const std::string& name) const;
  // A picture the program saved, or one at any other path; no pixels when it cannot be read.
  CanvasImage picture(const std::string& name) const;
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
};

// The colour (0x00BBGGRR) of a pixel of an image.
Color colour_at(const CanvasImage& image, std::int32_t x, std::int32_t y);

}  // namespace kanvo::testing
