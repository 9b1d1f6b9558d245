// A small program that asks for text with the dialog, for the tests on a real X server:
//   ask_text_probe WIDTH HEIGHT OK_ONLY BUFFER_SIZE [DEFAULT [PROMPT]]
// It prints "confirmed=0|1" and "text=" with the buffer, bytes outside printable ASCII as \xHH.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graphics/kanvo.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s WIDTH HEIGHT OK_ONLY BUFFER_SIZE [DEFAULT [PROMPT]]\n",
                 argv[0]);
    return 2;
  }
  const int size = std::atoi(argv[4]);
  std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 1) + 16, '\0');
  std::strcpy(buffer.data(), "untouched");
  const char* prompt = argc > 6 ? argv[6] : "Type something:";
  const bool confirmed =
      kanvo::ask_text(buffer.data(), size, prompt, "Kanvo probe", argc > 5 ? argv[5] : nullptr,
                      std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]) != 0);
  std::printf("confirmed=%d\ntext=", confirmed ? 1 : 0);
  for (const char* c = buffer.data(); *c != '\0'; ++c) {
    const auto byte = static_cast<unsigned char>(*c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      std::putchar(byte);
    } else {
      std::printf("\\x%02X", byte);
    }
  }
  std::printf("\n");
  return 0;
}
