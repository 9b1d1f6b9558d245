#include "tools/gdi-replay/replay.h"

#include <algorithm>
#include <cstring>

#include "host/surface/surface.h"

namespace kanvo::gdi_replay {
namespace {

namespace s = kanvo::surface;

std::int32_t i32(std::int64_t value) {
  return static_cast<std::int32_t>(value);
}
std::uint32_t u32(std::int64_t value) {
  return static_cast<std::uint32_t>(value);
}

// Selects a new pen or brush and deletes the one it replaces; a failed creation keeps the old.
void select_and_delete_old(s::DcHandle dc, s::ObjectHandle object) {
  if (object == s::kNoObject) return;
  const s::ObjectHandle old = s::select_object(dc, object);
  if (old != s::kNoObject) s::delete_object(old);
}

std::vector<s::Point> points_of(const Op& op) {
  std::vector<s::Point> points(static_cast<std::size_t>(op.ints[0]));
  for (std::size_t i = 0; i < points.size(); ++i) {
    points[i] = {i32(op.ints[1 + 2 * i]), i32(op.ints[2 + 2 * i])};
  }
  return points;
}

s::ObjectHandle pattern_brush(const Op& op) {
  const auto width = i32(op.ints[0]);
  const auto height = i32(op.ints[1]);
  const std::size_t stride = static_cast<std::size_t>((width + 15) / 16 * 2);
  std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(height), 0);
  for (std::int32_t y = 0; y < height; ++y) {
    const auto row = static_cast<std::uint64_t>(u32(op.ints[2 + static_cast<std::size_t>(y)]));
    for (std::int32_t x = 0; x < width; ++x) {
      if ((row >> (width - 1 - x)) & 1u) bits[y * stride + x / 8] |= 0x80u >> (x % 8);
    }
  }
  const s::ObjectHandle bitmap = s::create_bitmap(width, height, 1, 1, bits.data());
  const s::ObjectHandle brush = s::create_pattern_brush(bitmap);
  s::delete_object(bitmap);
  return brush;
}

void run(s::DcHandle dc, s::PixelWord* pixels, std::size_t count, const Op& op) {
  const auto& a = op.ints;
  const std::string& n = op.name;
  s::LogBrush solid;
  if (n == "fill") {
    std::fill(pixels, pixels + count, s::swap_red_blue(u32(a[0])));
  } else if (n == "pen" || n == "upen") {
    solid.color = u32(a[2]);
    std::vector<std::uint32_t> dashes;
    for (std::size_t i = 4; i < a.size(); ++i) dashes.push_back(u32(a[i]));
    const std::uint32_t style =
        s::pen_style::kGeometric | u32(a[0]) | (n == "upen" ? s::pen_style::kUserStyle : 0u);
    select_and_delete_old(dc,
                          s::ext_create_pen(style, u32(a[1]), solid, n == "upen" ? u32(a[3]) : 0u,
                                            dashes.empty() ? nullptr : dashes.data()));
  } else if (n == "cpen") {
    select_and_delete_old(dc, s::create_pen(u32(a[0]), i32(a[1]), u32(a[2])));
  } else if (n == "brush solid") {
    select_and_delete_old(dc, s::create_solid_brush(u32(a[0])));
  } else if (n == "brush null") {
    s::LogBrush hollow;
    hollow.style = s::BrushStyle::null;
    select_and_delete_old(dc, s::create_brush_indirect(hollow));
  } else if (n == "brush hatch") {
    select_and_delete_old(dc,
                          s::create_hatch_brush(static_cast<s::HatchStyle>(i32(a[0])), u32(a[1])));
  } else if (n == "brush pattern") {
    select_and_delete_old(dc, pattern_brush(op));
  } else if (n == "rop2") {
    s::set_rop2(dc, i32(a[0]));
  } else if (n == "polyfill") {
    s::set_poly_fill_mode(dc, i32(a[0]));
  } else if (n == "bkmode") {
    s::set_bk_mode(dc, i32(a[0]));
  } else if (n == "bkcolor") {
    s::set_bk_color(dc, u32(a[0]));
  } else if (n == "textcolor") {
    s::set_text_color(dc, u32(a[0]));
  } else if (n == "brushorg") {
    s::set_brush_origin(dc, i32(a[0]), i32(a[1]), nullptr);
  } else if (n == "xform") {
    const auto& f = op.floats;
    s::set_world_transform(
        dc, {static_cast<float>(f[0]), static_cast<float>(f[1]), static_cast<float>(f[2]),
             static_cast<float>(f[3]), static_cast<float>(f[4]), static_cast<float>(f[5])});
  } else if (n == "xform identity") {
    s::set_world_transform(dc, s::Transform{});
  } else if (n == "cliprect") {
    const s::ObjectHandle region =
        s::create_rect_region(i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3]));
    s::select_clip_region(dc, region);
    s::delete_object(region);
  } else if (n == "clipnone") {
    s::select_clip_region(dc, s::kNoObject);
  } else if (n == "moveto") {
    s::move_to(dc, i32(a[0]), i32(a[1]), nullptr);
  } else if (n == "lineto") {
    s::line_to(dc, i32(a[0]), i32(a[1]));
  } else if (n == "rect") {
    s::rectangle(dc, i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3]));
  } else if (n == "ellipse") {
    s::ellipse(dc, i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3]));
  } else if (n == "roundrect") {
    s::round_rect(dc, i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3]), i32(a[4]), i32(a[5]));
  } else if (n == "arc" || n == "pie" || n == "chord") {
    auto* call = n == "arc" ? &s::arc : n == "pie" ? &s::pie : &s::chord;
    call(dc, i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3]), i32(a[4]), i32(a[5]), i32(a[6]),
         i32(a[7]));
  } else if (n == "polyline" || n == "polygon") {
    const std::vector<s::Point> points = points_of(op);
    (n == "polyline" ? s::polyline : s::polygon)(dc, points.data(), i32(a[0]));
  } else if (n == "floodfill" || n == "floodsurface") {
    s::ext_flood_fill(dc, i32(a[0]), i32(a[1]), u32(a[2]),
                      n == "floodfill" ? s::FloodFillType::border : s::FloodFillType::surface);
  } else if (n == "setpixel") {
    s::set_pixel(dc, i32(a[0]), i32(a[1]), u32(a[2]));
  } else if (n == "patblt") {
    s::pat_blt(dc, i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3]), u32(a[4]));
  } else if (n == "blt") {
    s::bit_blt(dc, i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3]), dc, i32(a[4]), i32(a[5]), u32(a[6]));
  } else if (n == "fillrect") {
    const s::ObjectHandle brush = s::create_solid_brush(u32(a[4]));
    s::fill_rect(dc, {i32(a[0]), i32(a[1]), i32(a[2]), i32(a[3])}, brush);
    s::delete_object(brush);
  }
}

}  // namespace

std::uint64_t surface_hash(const std::uint32_t* pixels, std::size_t count) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t word = pixels[i] & 0x00FFFFFFu;
    for (int byte = 0; byte < 4; ++byte) {
      hash ^= (word >> (8 * byte)) & 0xFFu;
      hash *= 0x100000001b3ull;
    }
  }
  return hash;
}

std::vector<std::uint32_t> replay(const Script& script, const StepObserver& after_each_op) {
  const s::DcHandle dc = s::create_compatible_dc(s::kNoDc);
  s::PixelWord* pixels = nullptr;
  const s::ObjectHandle bitmap = s::create_dib_section(script.width, script.height, &pixels);
  const s::ObjectHandle initial_bitmap = s::select_object(dc, bitmap);
  s::set_graphics_mode(dc, s::GraphicsMode::advanced);
  const std::size_t count = static_cast<std::size_t>(script.width) * script.height;
  if (pixels != nullptr) std::fill(pixels, pixels + count, 0u);
  if (pixels != nullptr) {
    for (const Op& op : script.ops) {
      run(dc, pixels, count, op);
      if (after_each_op) after_each_op(op, pixels, count);
    }
  }
  std::vector<std::uint32_t> result(count, 0);
  if (pixels != nullptr) std::copy(pixels, pixels + count, result.begin());
  // Leave no object behind: back to the initial objects, then delete ours.
  for (const s::ObjectHandle stock :
       {s::get_stock_object(s::StockObject::black_pen),
        s::get_stock_object(s::StockObject::white_brush), initial_bitmap}) {
    const s::ObjectHandle old = s::select_object(dc, stock);
    if (old != s::kNoObject && old != bitmap) s::delete_object(old);
  }
  s::delete_dc(dc);
  s::delete_object(bitmap);
  return result;
}

}  // namespace kanvo::gdi_replay
