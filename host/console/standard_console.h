// The console of the running program: standard output and standard input of its terminal.
#pragma once

#include "host/console/console.h"
#include "host/console/merged_input.h"
#include "host/console/output_sink.h"
#include "host/console/token_reader.h"

namespace kanvo::console {

class StandardConsole {
 public:
  // Takes the locale's code set; colours only when standard output is a terminal, which then
  // gets its own colours back at the end, also when a signal ends the program.
  StandardConsole();
  // Restores the colours and leaves the cursor on a fresh line.
  ~StandardConsole();
  StandardConsole(const StandardConsole&) = delete;
  StandardConsole& operator=(const StandardConsole&) = delete;

  Console& console() { return console_; }
  TokenReader& answers() { return answers_; }
  // Text typed somewhere else (keys forwarded from a graphics window), read as if typed here.
  void type(std::string_view text) { input_.type(text); }

 private:
  FileDescriptorOutput output_;
  MergedInput input_;
  Console console_;
  TokenReader answers_;
};

}  // namespace kanvo::console
