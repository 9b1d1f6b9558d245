// The library's view of the platform's drawing surface: every graphics-layer file reaches device
// contexts, pens, brushes, fonts, bitmaps and regions through this header.
#pragma once

#include "host/surface/surface.h"
#include "host/surface/types.h"

namespace kanvo {

namespace gdi = kanvo::surface;

using Color = std::uint32_t;  // 0x00BBGGRR
using Point = gdi::Point;
using Rect = gdi::Rect;
using LogFont = gdi::LogFont;
using SurfaceHandle = gdi::DcHandle;
using RegionHandle = gdi::ObjectHandle;

}  // namespace kanvo
