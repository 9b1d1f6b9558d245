// How the end-to-end tests start the built quiz in a terminal.
#pragma once

#include <string>

namespace kanvo::testing {

// A shell command that runs the quiz from the repository root (where the voice clips are), in a
// UTF-8 locale, with the real audio back-ends (there may be no device: that must stay silent),
// then prints "exit status N" and lingers so that the screen can still be read. `clock` fixes the
// time of day through faketime unless empty; `environment` holds further NAME=value words for
// the quiz. The shell outlives Ctrl+C and Ctrl+\ (its trap is reset to the default for the quiz).
std::string quiz_command(const std::string& clock, const std::string& environment = "");

}  // namespace kanvo::testing
