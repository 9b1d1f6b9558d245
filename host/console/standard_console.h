// The console of the running program: standard output and standard input of its terminal.
#pragma once

#include "host/console/console.h"
#include "host/console/input_source.h"
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

 private:
  FileDescriptorOutput output_;
  FileDescriptorInput input_;
  Console console_;
  TokenReader answers_;
};

}  // namespace kanvo::console
