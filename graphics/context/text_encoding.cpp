#include "graphics/context/text_encoding.h"

#include "graphics/platform/text_encoding.h"

namespace kanvo {

void set_text_encoding(TextEncoding encoding) {
  // Anything else is no encoding at all: the choice stays as it was.
  if (encoding != TEXT_UTF8 && encoding != TEXT_GBK) return;
  platform::set_program_encoding(encoding);
}

TextEncoding get_text_encoding() {
  return platform::program_encoding();
}

}  // namespace kanvo
