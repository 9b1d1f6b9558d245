// Pictures of any bytes into images: decoding, sizing and drawing never fault, whatever the data
// claims about itself.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_input.h"
#include "graphics/files/image_files.h"
#include "graphics/files/resources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kanvo::fuzzing::FuzzInput input(data, size);
  // A requested size (small, so that drawing stays quick), the resize flag, then the picture.
  const auto width = static_cast<std::int32_t>(input.byte()) - 16;
  const auto height = static_cast<std::int32_t>(input.byte()) - 16;
  const bool resize = (input.byte() & 1) != 0;
  const std::string_view picture = input.bytes(size);
  kanvo::register_resource(
      "FUZZ", "picture",
      std::span(reinterpret_cast<const std::uint8_t*>(picture.data()), picture.size()));
  kanvo::CanvasImage image(8, 8);
  kanvo::load_image_resource(&image, "FUZZ", "picture", width, height, resize);
  kanvo::CanvasImage empty;
  kanvo::load_image_resource(&empty, "FUZZ", "picture", 0, 0, false);
  return 0;
}
