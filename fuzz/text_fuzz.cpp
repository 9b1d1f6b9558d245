// Fonts of any description and texts of any bytes, drawn, measured and laid out under odd
// transforms, clips and formats.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "host/surface/surface.h"

namespace {

using namespace kanvo::surface;

class Input : public kanvo::fuzzing::FuzzInput {
 public:
  using FuzzInput::FuzzInput;
  // Mostly small values, sometimes anything.
  std::int32_t number() {
    return byte() < 200 ? static_cast<std::int8_t>(byte()) : static_cast<std::int32_t>(word());
  }
  // Up to 64 bytes of the input itself.
  std::string_view text() { return bytes(byte() % 65); }
};

LogFont description_from(Input& in) {
  static constexpr std::string_view kFaces[] = {"System", "Arial",   "DejaVu Serif",
                                                "",       "Nothing", "\xCB\xCE\xCC\xE5"};
  LogFont font;
  font.height = in.number();
  font.width = in.number();
  font.escapement = in.number();
  font.weight = in.number();
  font.italic = in.byte();
  font.underline = in.byte();
  font.strike_out = in.byte();
  font.char_set = in.byte();
  font.quality = in.byte() % 6;
  font.pitch_and_family = in.byte();
  const std::string_view face = kFaces[in.byte() % std::size(kFaces)];
  std::copy(face.begin(), face.end(), font.face_name.begin());
  return font;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  const DcHandle dc = create_compatible_dc(kNoDc);
  PixelWord* pixels = nullptr;
  const ObjectHandle bitmap = create_dib_section(1 + in.byte() % 64, 1 + in.byte() % 64, &pixels);
  const ObjectHandle initial = select_object(dc, bitmap);
  set_graphics_mode(dc, GraphicsMode::advanced);
  for (int calls = 0; !in.empty() && calls < 64; ++calls) {
    switch (in.byte() % 7) {
      case 0:
        delete_object(select_object(dc, create_font_indirect(description_from(in))));
        break;
      case 1: {
        const float scale = static_cast<float>(in.number()) / 4.0f;
        set_world_transform(dc, {scale, static_cast<float>(in.number()) / 8.0f, 0.0f,
                                 in.byte() & 1 ? scale : -scale, static_cast<float>(in.number()),
                                 static_cast<float>(in.number())});
        break;
      }
      case 2: {
        const ObjectHandle region =
            create_rect_region(in.number(), in.number(), in.number(), in.number());
        select_clip_region(dc, in.byte() & 1 ? region : kNoObject);
        delete_object(region);
        break;
      }
      case 3:
        set_bk_mode(dc, 1 + in.byte() % 2);
        break;
      case 4:
        // Either encoding reads any bytes at all.
        text_out(dc, in.number(), in.number(), in.text(),
                 in.byte() & 1 ? kanvo::text::TextEncoding::gbk : kanvo::text::TextEncoding::utf8);
        break;
      case 5: {
        Size extent;
        get_text_extent(dc, in.text(), &extent);
        break;
      }
      default: {
        Rect rect{in.number(), in.number(), in.number(), in.number()};
        const auto format = static_cast<std::uint32_t>(in.word());
        draw_text(dc, in.text(), &rect, format);
        break;
      }
    }
  }
  delete_object(select_object(dc, get_stock_object(StockObject::system_font)));
  select_object(dc, initial);
  delete_dc(dc);
  delete_object(bitmap);
  return 0;
}
