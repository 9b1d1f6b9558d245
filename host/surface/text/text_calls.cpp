// Text output and measurement on a context, in its selected font and text state.
#include <memory>

#include "host/surface/dc/device_context.h"
#include "host/surface/surface.h"
#include "host/surface/text/formatted_text.h"
#include "host/surface/text/text_run.h"
#include "host/surface/text/turned_run.h"

namespace kanvo::surface {
namespace {

// The font selected into the context; fonts that were not made at creation (the stock font)
// come from the font cache.
std::shared_ptr<const text::Font> selected_font(const DeviceContext& dc) {
  if (dc.font == nullptr) return nullptr;
  if (dc.font->font) return dc.font->font;
  return text::Font::realise(dc.font->description);
}

text::TextColors colors_of(const DeviceContext& dc) {
  return {dc.text_color, dc.bk_color, dc.bk_mode == static_cast<int>(BackgroundMode::opaque)};
}

}  // namespace

bool text_out(DcHandle handle, std::int32_t x, std::int32_t y, std::string_view text,
              kanvo::text::TextEncoding encoding) {
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  const std::shared_ptr<const text::Font> font = selected_font(*dc);
  if (!font) return false;
  // Text ignores the raster operation.
  const PixelWriting writing(*dc);
  raster::Painter painter(*dc, rop2::kCopyPen);
  const text::Run run{text, encoding};
  if (text::is_turned(*font, dc->graphics_mode)) {
    text::paint_turned_run(painter, *dc, colors_of(*dc), *font, x, y, run);
  } else {
    text::paint_run(painter, colors_of(*dc), *font, dc->mapping, x, y, run);
  }
  dc->note_change();
  return true;
}

bool get_text_extent(DcHandle handle, std::string_view text, Size* extent,
                     kanvo::text::TextEncoding encoding) {
  if (extent == nullptr) return false;
  *extent = {};
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return false;
  const std::shared_ptr<const text::Font> font = selected_font(*dc);
  if (!font) return false;
  const std::int64_t width = text::measure_run(*font, {text, encoding});
  extent->cx = static_cast<std::int32_t>(std::min<std::int64_t>(width, INT32_MAX));
  extent->cy = font->cell().height;
  return true;
}

std::int32_t draw_text(DcHandle handle, std::string_view text, Rect* rect, std::uint32_t format,
                       kanvo::text::TextEncoding encoding) {
  if (rect == nullptr) return 0;
  DeviceContext* dc = context_of(handle);
  if (dc == nullptr) return 0;
  const std::shared_ptr<const text::Font> font = selected_font(*dc);
  if (!font) return 0;
  const PixelWriting writing(*dc);
  raster::Painter painter(*dc, rop2::kCopyPen);
  const std::int32_t height =
      text::format_text(&painter, colors_of(*dc), *font, dc->mapping, text, encoding, rect, format);
  if ((format & text_format::kCalcRect) == 0) dc->note_change();
  return height;
}

}  // namespace kanvo::surface
