// Random sequences of drawing-surface calls with extreme arguments. The input is read as a
// stream of call codes and arguments; arguments lean toward the edges of their ranges.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "host/surface/surface.h"

namespace {

using namespace kanvo::surface;

class Input : public kanvo::fuzzing::FuzzInput {
 public:
  using FuzzInput::FuzzInput;
  // Small coordinates most of the time, the edges of the 32-bit range often.
  std::int32_t coordinate() {
    static constexpr std::int32_t kEdges[] = {
        INT32_MIN, INT32_MIN + 1, -100000, -65536,        -1,       0,
        1,         65535,         100000,  INT32_MAX - 1, INT32_MAX};
    const std::uint8_t kind = byte();
    if (kind < 160) return static_cast<std::int32_t>(byte() % 48) - 8;
    if (kind < 220) return kEdges[byte() % std::size(kEdges)];
    return static_cast<std::int32_t>(word());
  }
  float scale() {
    static constexpr float kScales[] = {1.0f, -1.0f, 2.0f, 0.5f, 1.5f, -3.0f, 1e-20f, 1e20f, 0.0f};
    return byte() < 200 ? kScales[byte() % std::size(kScales)] : static_cast<float>(coordinate());
  }
};

struct Fixture {
  DcHandle dc = create_compatible_dc(kNoDc);
  DcHandle other = create_compatible_dc(kNoDc);
  // What the first context's drawing may be mirrored on: a little larger, as a window's pixels.
  DcHandle mirror = create_compatible_dc(kNoDc);
  ObjectHandle bitmap;
  ObjectHandle other_bitmap;
  ObjectHandle mirror_bitmap;
  ObjectHandle initial;
  ObjectHandle other_initial;
  ObjectHandle mirror_initial;
  std::vector<ObjectHandle> made;  // every object the input created, live or not

  Fixture(std::int32_t width, std::int32_t height) {
    PixelWord* pixels = nullptr;
    bitmap = create_dib_section(width, height, &pixels);
    other_bitmap = create_dib_section(height, width, &pixels);
    mirror_bitmap = create_dib_section(width + 3, height + 2, &pixels);
    initial = select_object(dc, bitmap);
    other_initial = select_object(other, other_bitmap);
    mirror_initial = select_object(mirror, mirror_bitmap);
    set_graphics_mode(dc, GraphicsMode::advanced);
  }
  ~Fixture() {
    for (DcHandle context : {dc, other}) {
      select_object(context, get_stock_object(StockObject::black_pen));
      select_object(context, get_stock_object(StockObject::white_brush));
      select_object(context, get_stock_object(StockObject::system_font));
    }
    select_object(dc, initial);
    select_object(other, other_initial);
    select_object(mirror, mirror_initial);
    delete_dc(dc);
    delete_dc(other);
    delete_dc(mirror);
    for (ObjectHandle object : made) delete_object(object);
    delete_object(bitmap);
    delete_object(other_bitmap);
    delete_object(mirror_bitmap);
  }
  ObjectHandle pick(Input& in) {
    if (made.empty() || in.byte() < 16) return ObjectHandle{in.word()};
    return made[in.byte() % made.size()];
  }
  void keep(ObjectHandle object) {
    if (object != kNoObject && made.size() < 256) made.push_back(object);
  }
};

void call(Fixture& f, Input& in) {
  const DcHandle dc = in.byte() < 240 ? f.dc : f.other;
  auto c = [&in] { return in.coordinate(); };
  switch (in.byte() % 31) {
    case 0:
      f.keep(create_pen(in.word() & 0xF, c(), in.word()));
      break;
    case 1: {
      std::uint32_t dashes[20];
      for (auto& dash : dashes) dash = in.byte() < 200 ? in.byte() % 8 : in.word();
      LogBrush brush;
      brush.style = static_cast<BrushStyle>(in.byte() % 3);
      brush.color = in.word();
      f.keep(ext_create_pen(in.word(), static_cast<std::uint32_t>(c()), brush, in.byte() % 20,
                            in.byte() < 250 ? dashes : nullptr));
      break;
    }
    case 2:
      f.keep(create_solid_brush(in.word()));
      break;
    case 3:
      f.keep(create_hatch_brush(static_cast<HatchStyle>(in.byte() % 8 - 1), in.word()));
      break;
    case 4: {
      std::uint8_t bits[70 * 4 * 5];  // the largest bitmap below: 69 x 5 words
      for (auto& b : bits) b = in.byte();
      const ObjectHandle bitmap =
          create_bitmap(in.byte() % 70, in.byte() % 70 / 16 + 1, 1, in.byte() < 128 ? 1 : 32, bits);
      f.keep(create_pattern_brush(bitmap));
      delete_object(bitmap);
      break;
    }
    case 5:
      f.keep(create_rect_region(c(), c(), c(), c()));
      break;
    case 6:
      select_object(dc, f.pick(in));
      break;
    case 7:
      delete_object(f.pick(in));
      break;
    case 8:
      select_clip_region(dc, in.byte() < 40 ? kNoObject : f.pick(in));
      break;
    case 9:
      set_world_transform(dc, {in.scale(), 0, 0, in.scale(), in.scale(), in.scale()});
      break;
    case 10:
      set_rop2(dc, in.byte() % 18);
      break;
    case 11:
      set_bk_mode(dc, in.byte() % 4);
      break;
    case 12:
      set_brush_origin(dc, c(), c(), nullptr);
      break;
    case 13:
      move_to(dc, c(), c(), nullptr);
      break;
    case 14:
      line_to(dc, c(), c());
      break;
    case 15:
      rectangle(dc, c(), c(), c(), c());
      break;
    case 16:
      ellipse(dc, c(), c(), c(), c());
      break;
    case 17:
      round_rect(dc, c(), c(), c(), c(), c(), c());
      break;
    case 18:
      arc(dc, c(), c(), c(), c(), c(), c(), c(), c());
      break;
    case 19:
      pie(dc, c(), c(), c(), c(), c(), c(), c(), c());
      break;
    case 20:
      chord(dc, c(), c(), c(), c(), c(), c(), c(), c());
      break;
    case 21:
    case 22: {
      Point points[12];
      const int count = in.byte() % 14 - 1;
      for (Point& point : points) point = {c(), c()};
      (in.byte() & 1 ? polygon : polyline)(dc, points, count < 12 ? count : 12);
      break;
    }
    case 23:
      ext_flood_fill(dc, c(), c(), in.word(), static_cast<FloodFillType>(in.byte() % 3));
      break;
    case 24:
      set_pixel(dc, c(), c(), in.word());
      break;
    case 25:
      get_pixel(dc, c(), c());
      break;
    case 26:
      pat_blt(dc, c(), c(), c(), c(), in.word());
      break;
    case 27:
      bit_blt(dc, c(), c(), c(), c(), in.byte() & 1 ? f.dc : f.other, c(), c(), in.word());
      break;
    case 28: {
      const ObjectHandle brush = f.pick(in);
      fill_rect(dc, {c(), c(), c(), c()}, brush);
      fill_region(dc, f.pick(in), brush);
      break;
    }
    case 29: {
      static constexpr const char* kTexts[] = {"", "y=x^(1/2)", "\xC3\xDD\xBA\xAF\xCA\xFD", "\xC3"};
      const char* text = kTexts[in.byte() % 4];
      text_out(dc, c(), c(), text);
      Rect box{c(), c(), c(), c()};
      draw_text(dc, text, &box, in.word());
      Size extent;
      get_text_extent(dc, text, &extent);
      break;
    }
    case 30: {
      static constexpr DcHandle Fixture::*kMirrors[] = {&Fixture::mirror, &Fixture::other,
                                                        &Fixture::dc};
      const std::uint8_t which = in.byte() % 4;
      mirror_drawing(dc, which < 3 ? f.*kMirrors[which] : kNoDc);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  Fixture fixture(1 + in.byte() % 40, 1 + in.byte() % 40);
  for (int calls = 0; !in.empty() && calls < 200; ++calls) call(fixture, in);
  return 0;
}
