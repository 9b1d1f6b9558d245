// Runs a program where the system refuses to type into terminals:
//   refuse_terminal_typing EPERM|EIO PROGRAM [ARGUMENTS...]
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "tests/support/refused_terminal_typing.h"

int main(int argc, char** argv) {
  const std::string_view error = argc > 2 ? argv[1] : "";
  if (error != "EPERM" && error != "EIO") {
    std::fprintf(stderr, "usage: %s EPERM|EIO PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  if (!kanvo::testing::refuse_terminal_typing(error == "EPERM" ? EPERM : EIO)) {
    std::perror("refuse_terminal_typing");
    return 1;
  }
  ::execvp(argv[2], argv + 2);
  std::perror(argv[2]);
  return 127;
}
