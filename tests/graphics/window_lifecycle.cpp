// window_lifecycle RUNS: runs each way of ending of the lifecycle probe RUNS times on a fresh
// X server (and RUNS / 10 times with a clock that stands still), and prints for each the runs,
// crashes, hangs, runs with a sanitizer's report, runs with an OpenGL driver mapped, and the
// longest time from the last call to the end. Exit code 1 when any run crashed, hung, was
// reported on or took longer than 2 s to end.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/graphics/lifecycle_runs.h"

int main(int argc, char** argv) {
  using namespace kanvo::testing;
  const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
  Xvfb server;
  if (!server.running()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 2;
  }
  struct Case {
    std::string name;
    std::string way;
    int runs;
    std::vector<std::string> wrapper;
  };
  const std::vector<std::string> frozen = {"faketime", "-f", "@2024-01-01 00:00:00 i0"};
  const std::vector<Case> cases = {
      {"return", "return", runs, {}},
      {"close_window", "close", runs, {}},
      {"exit()", "exit", runs, {}},
      {"reopened 3 times", "reopen", runs, {}},
      {"close box click", "click", runs, {}},
      {"return, clock stopped", "return", std::max(1, runs / 10), frozen},
      {"exit(), clock stopped", "exit", std::max(1, runs / 10), frozen},
  };
  std::printf("%-24s %6s %8s %6s %9s %10s %18s\n", "way", "runs", "crashes", "hangs", "reported",
              "gl mapped", "longest end (ms)");
  bool clean = true;
  for (const Case& c : cases) {
    const LifecycleFigures f = run_lifecycle(server, c.way, c.runs, c.wrapper);
    std::printf("%-24s %6d %8d %6d %9d %10d %18.1f\n", c.name.c_str(), f.runs, f.crashes, f.hangs,
                f.sanitizer_reports, f.gl_mapped, f.longest_end_ms);
    if (!f.first_failure.empty()) std::printf("  first failure: %s\n", f.first_failure.c_str());
    std::fflush(stdout);
    clean = clean && f.crashes == 0 && f.hangs == 0 && f.sanitizer_reports == 0 &&
            f.gl_mapped == 0 && f.longest_end_ms < 2000;
  }
  return clean ? 0 : 1;
}
