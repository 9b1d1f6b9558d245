// Memory contexts with 32-bit surfaces for the benchmarks, in the advanced graphics mode.
#pragma once

#include <cstdint>

#include "host/surface/surface.h"

namespace kanvo::surface {

struct BenchSurface {
  DcHandle dc = kNoDc;
  ObjectHandle bitmap = kNoObject;
  ObjectHandle initial_bitmap = kNoObject;
  PixelWord* pixels = nullptr;

  BenchSurface(std::int32_t width, std::int32_t height) {
    dc = create_compatible_dc(kNoDc);
    bitmap = create_dib_section(width, height, &pixels);
    initial_bitmap = select_object(dc, bitmap);
    set_graphics_mode(dc, GraphicsMode::advanced);
  }
  ~BenchSurface() {
    delete_object(select_object(dc, get_stock_object(StockObject::black_pen)));
    delete_object(select_object(dc, get_stock_object(StockObject::white_brush)));
    select_object(dc, initial_bitmap);
    delete_dc(dc);
    delete_object(bitmap);
  }
  BenchSurface(const BenchSurface&) = delete;
  BenchSurface& operator=(const BenchSurface&) = delete;
};

// The canvas and the window of the quiz: the pen is the plotter's one-pixel white pen.
struct SurfacePair {
  BenchSurface canvas_surface;
  BenchSurface window_surface;
  DcHandle canvas;
  DcHandle window;

  SurfacePair(std::int32_t width, std::int32_t height)
      : canvas_surface(width, height),
        window_surface(width, height),
        canvas(canvas_surface.dc),
        window(window_surface.dc) {
    for (DcHandle dc : {canvas, window}) {
      LogBrush white;
      white.color = 0xFFFFFF;
      delete_object(select_object(
          dc, ext_create_pen(pen_style::kGeometric | pen_style::kSolid, 1, white, 0, nullptr)));
    }
  }
};

}  // namespace kanvo::surface
