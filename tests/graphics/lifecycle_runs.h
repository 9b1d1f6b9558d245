// Runs of the lifecycle probe on an X server, and what they came to: how many crashed, how many
// hung (killed after 10 s), how many a sanitizer reported on, and the longest time from the
// probe's last call to its end.
#pragma once

#include <string>
#include <vector>

#include "tests/support/x_server.h"

namespace kanvo::testing {

struct LifecycleFigures {
  int runs = 0;
  int crashes = 0;  // ended by a signal, or with a code other than 0
  int hangs = 0;
  int gl_mapped = 0;  // runs that had an OpenGL driver mapped while the window showed (click)
  // Runs whose error output holds a sanitizer's report (a sanitizer build ends such a run with a
  // code of its own; it is counted here, not as a crash).
  int sanitizer_reports = 0;
  double longest_end_ms = 0;
  std::string first_failure;  // what the first failing run showed
};

// `way` is one of the probe's: return, close, exit, reopen, click. `wrapper` goes before the
// probe on its command line (faketime and its arguments, say).
LifecycleFigures run_lifecycle(const Xvfb& server, const std::string& way, int runs,
                               const std::vector<std::string>& wrapper = {});

// The probe's "put" way: whether the red image it puts onto a window without a canvas was on the
// screen at once. Empty when it was; what went wrong otherwise.
std::string put_image_reaches_the_screen(const Xvfb& server);

// Where the probe program is.
std::string lifecycle_probe_path();

}  // namespace kanvo::testing
