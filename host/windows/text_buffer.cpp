#include "host/windows/text_buffer.h"

#include <cstring>

#include "host/text/code_page.h"

namespace kanvo::win {

std::int32_t copy_to_buffer(std::string_view gbk, char* buffer, std::int64_t size) {
  if (buffer == nullptr || size <= 0) return 0;
  const std::size_t length = text::gbk_prefix_length(gbk, static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, gbk.data(), length);
  buffer[length] = '\0';
  return static_cast<std::int32_t>(length);
}

}  // namespace kanvo::win
