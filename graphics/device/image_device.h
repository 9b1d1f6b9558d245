// The device that draws into the working image: every operation reads and changes the working
// image's drawing state and draws on its surface.
#pragma once

#include <array>
#include <mutex>
#include <utility>

#include "graphics/context/working_target.h"
#include "graphics/device/draw_device.h"

namespace kanvo {

class ImageDevice : public DrawDevice {
 public:
  explicit ImageDevice(const WorkingTarget& target) : target_(target) {}

  void clear_canvas() override;
  Color get_line_color() override;
  void set_line_color(Color color) override;
  Color get_text_color() override;
  void set_text_color(Color color) override;
  Color get_bk_color() override;
  void set_bk_color(Color color) override;
  int get_bk_mode() override;
  void set_bk_mode(int mode) override;
  void set_origin(std::int32_t x, std::int32_t y) override;
  void set_clip_region(RegionHandle region) override;
  void clear_clip_region() override;
  void get_line_style(LineStyle* style) override;
  void set_line_style(std::int32_t style, std::int32_t thickness, const std::uint32_t* dashes,
                      std::int32_t dash_count) override;
  void set_line_style_record(const LineStyle& style) override;
  void get_fill_style(FillStyle* style) override;
  void set_fill_style(std::int32_t style, std::int32_t hatch, const CanvasImage* pattern) override;
  void set_fill_pattern(const std::uint8_t* pattern) override;
  void set_fill_style_record(const FillStyle& style) override;
  Color get_fill_color() override;
  void set_fill_color(Color color) override;
  void get_aspect_ratio(float* x, float* y) override;
  void set_aspect_ratio(float x, float y) override;
  int get_rop2() override;
  void set_rop2(int mode) override;
  int get_poly_fill_mode() override;
  void set_poly_fill_mode(int mode) override;
  void reset_drawing_state() override;
  Color read_pixel(std::int32_t x, std::int32_t y) override;
  void write_pixel(std::int32_t x, std::int32_t y, Color color) override;
  void move_pen_to(std::int32_t x, std::int32_t y) override;
  void move_pen_by(std::int32_t dx, std::int32_t dy) override;
  void draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void draw_line_by(std::int32_t dx, std::int32_t dy) override;
  void draw_line_to(std::int32_t x, std::int32_t y) override;
  void stroke_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom) override;
  void draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) override;
  void paint_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom) override;
  void erase_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom) override;
  void arc_end_points(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                      double start, double end, std::int32_t* x1, std::int32_t* y1,
                      std::int32_t* x2, std::int32_t* y2) override;
  void stroke_circle(std::int32_t x, std::int32_t y, std::int32_t radius) override;
  void draw_circle(std::int32_t x, std::int32_t y, std::int32_t radius) override;
  void paint_circle(std::int32_t x, std::int32_t y, std::int32_t radius) override;
  void erase_circle(std::int32_t x, std::int32_t y, std::int32_t radius) override;
  void stroke_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                      std::int32_t bottom) override;
  void draw_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom) override;
  void paint_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom) override;
  void erase_ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom) override;
  void stroke_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom, std::int32_t corner_width,
                         std::int32_t corner_height) override;
  void draw_round_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       std::int32_t corner_width, std::int32_t corner_height) override;
  void paint_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, std::int32_t corner_width,
                        std::int32_t corner_height) override;
  void erase_round_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, std::int32_t corner_width,
                        std::int32_t corner_height) override;
  void draw_arc(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                double start, double end) override;
  void stroke_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                  double start, double end) override;
  void draw_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                double start, double end) override;
  void paint_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double start, double end) override;
  void erase_pie(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double start, double end) override;
  void draw_polyline(const Point* points, std::int32_t count) override;
  void stroke_polygon(const Point* points, std::int32_t count) override;
  void draw_polygon(const Point* points, std::int32_t count) override;
  void paint_polygon(const Point* points, std::int32_t count) override;
  void erase_polygon(const Point* points, std::int32_t count) override;
  void flood_fill(std::int32_t x, std::int32_t y, Color border) override;
  void out_text(const char* text) override;
  void out_text_at(std::int32_t x, std::int32_t y, const char* text) override;
  std::int32_t draw_text_in_rect(const char* text, Rect* rect, std::uint32_t format) override;
  std::int32_t text_width(const char* text) override;
  std::int32_t text_height(const char* text) override;
  void set_text_style_logfont(const LogFont& font) override;
  void set_text_style_full(std::int32_t height, std::int32_t width, const char* face,
                           std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                           std::uint8_t italic, std::uint8_t underline, std::uint8_t strike_out,
                           std::uint8_t char_set, std::uint8_t out_precision,
                           std::uint8_t clip_precision, std::uint8_t quality,
                           std::uint8_t pitch_and_family) override;
  void set_text_style_ext(std::int32_t height, std::int32_t width, const char* face,
                          std::int32_t escapement, std::int32_t orientation, std::int32_t weight,
                          std::uint8_t italic, std::uint8_t underline,
                          std::uint8_t strike_out) override;
  void set_text_style(std::int32_t height, std::int32_t width, const char* face) override;
  void get_text_style(LogFont* font) override;
  std::int32_t get_width() override;
  std::int32_t get_height() override;
  std::int32_t get_x() override;
  std::int32_t get_y() override;

 protected:
  // The window device's: the lock held around every use of the surfaces, and the flag of batch
  // drawing, which holds drawing on the window back.
  ImageDevice(const WorkingTarget& target, std::recursive_mutex& window_lock, const bool& batching)
      : target_(target), window_lock_(&window_lock), batching_(&batching) {}

  CanvasImage& image() const;
  SurfaceHandle surface() const;
  // Calls `visit` with every surface that a change of the drawing state applies to.
  template <typename Visit>
  void for_each_surface(Visit&& visit) {
    visit_surfaces(visit, true);
  }
  // Calls `visit` with every surface that a drawing call applies to.
  template <typename Visit>
  void for_each_drawing_surface(Visit&& visit) {
    visit_surfaces(visit, false);
  }
  // Runs `change` holding the window's lock, if this device has one.
  template <typename Change>
  void with_window_lock(Change&& change) {
    std::unique_lock<std::recursive_mutex> guard;
    if (window_lock_ != nullptr) guard = std::unique_lock(*window_lock_);
    change();
  }
  // Selects a new pen, brush or font into every surface, deleting what it replaces.
  void select_everywhere(gdi::ObjectHandle object);

  // The outline-only and interior-only variants of the closed shapes: the hollow brush or the
  // null pen for the call, unless the style is hollow or null already. The switch selects the
  // stock object and then what each surface held before, so the drawing state keeps its style
  // throughout and no pen or brush (nor a copy of a pattern or dash array) is made per call.
  template <typename Draw>
  void with_hollow_brush(Draw&& draw) {
    switch_for_call(image().state().fill_style.style != kFillNull, gdi::StockObject::null_brush,
                    draw);
  }
  template <typename Draw>
  void with_null_pen(Draw&& draw) {
    switch_for_call(image().state().line_style.style != kLineNull, gdi::StockObject::null_pen,
                    draw);
  }

 private:
  // Selects the stock object into every surface, draws, and selects back what each surface
  // held; under the lock throughout, so that the window cannot go away in between.
  template <typename Draw>
  void switch_for_call(bool needed, gdi::StockObject stock, Draw& draw) {
    if (!needed) {
      draw();
      return;
    }
    std::unique_lock<std::recursive_mutex> guard;
    if (window_lock_ != nullptr) guard = std::unique_lock(*window_lock_);
    const gdi::ObjectHandle temporary = gdi::get_stock_object(stock);
    std::array<std::pair<SurfaceHandle, gdi::ObjectHandle>, 2> held{};
    std::size_t count = 0;
    for_each_surface([&](SurfaceHandle dc) {
      if (count < held.size()) held[count++] = {dc, gdi::select_object(dc, temporary)};
    });
    draw();
    for (std::size_t i = 0; i < count; ++i) gdi::select_object(held[i].first, held[i].second);
  }

  // The image's surface; for the window device the canvas's and the window's (drawing there
  // outside batch drawing only), under the lock. Inline and not virtual: every call goes
  // through here, and the device's own slot is the only dispatch it pays for.
  template <typename Visit>
  void visit_surfaces(Visit& visit, bool state_change) {
    if (window_lock_ == nullptr) {
      visit(target_.drawing_surface);
      return;
    }
    std::lock_guard guard(*window_lock_);
    visit(target_.drawing_surface);
    if (target_.window_surface != gdi::kNoDc && (state_change || !*batching_)) {
      visit(target_.window_surface);
    }
  }

  const WorkingTarget& target_;
  std::recursive_mutex* window_lock_ = nullptr;
  const bool* batching_ = nullptr;
};

}  // namespace kanvo
