// The device that draws into the window's canvas and straight onto the window, so the screen
// shows each primitive at once while the canvas keeps the picture for repaints. Every call holds
// the context's lock while it uses the surfaces; state changes reach both surfaces, drawing reaches
// the window only outside batch drawing, which holds the window's updates until a flush.
#pragma once

#include "graphics/device/image_device.h"
#include "graphics/platform/types.h"

namespace kanvo {

struct GraphicsContext;

class WindowDevice : public ImageDevice {
 public:
  explicit WindowDevice(GraphicsContext& context);

  void clear_canvas() override;
  void draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void get_text_style(LogFont* font) override;

  // Window-only operations.
  virtual WindowHandle window_open(std::int32_t width, std::int32_t height, std::int32_t flags);
  virtual void window_close();
  virtual void begin_batch_draw();
  virtual void flush_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                     std::int32_t bottom);
  virtual void flush_batch_draw();
  virtual void end_batch_draw_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom);
  virtual void end_batch_draw();

 private:
  GraphicsContext& context_;
};

}  // namespace kanvo
