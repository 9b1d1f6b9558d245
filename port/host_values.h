// The port's values and the host's, one into the other. The two sides keep the same fields and
// numbers; these only change the type.
#pragma once

#include <bit>
#include <cstdint>

#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/types.h"
#include "host/surface/surface.h"
#include "host/surface/types.h"
#include "host/text/program_text.h"
#include "host/windows/types.h"

namespace kanvo::platform {

inline surface::DcHandle to_host(SurfaceHandle dc) {
  return static_cast<surface::DcHandle>(static_cast<std::uint32_t>(dc));
}
inline SurfaceHandle from_host(surface::DcHandle dc) {
  return static_cast<SurfaceHandle>(static_cast<std::uint32_t>(dc));
}
inline surface::ObjectHandle to_host(ObjectHandle object) {
  return static_cast<surface::ObjectHandle>(static_cast<std::uint32_t>(object));
}
inline ObjectHandle from_host(surface::ObjectHandle object) {
  return static_cast<ObjectHandle>(static_cast<std::uint32_t>(object));
}
inline win::WindowHandle to_host(WindowHandle window) {
  return static_cast<win::WindowHandle>(static_cast<std::uint32_t>(window));
}
inline WindowHandle from_host(win::WindowHandle window) {
  return static_cast<WindowHandle>(static_cast<std::uint32_t>(window));
}

// Value records with the same fields in the same order on both sides.
static_assert(sizeof(Point) == sizeof(surface::Point));
static_assert(sizeof(Rect) == sizeof(surface::Rect));
static_assert(sizeof(Size) == sizeof(surface::Size));
static_assert(sizeof(Transform) == sizeof(surface::Transform));
static_assert(sizeof(LogFont) == sizeof(surface::LogFont));
static_assert(sizeof(BitmapInfoHeader) == sizeof(surface::BitmapInfoHeader));
inline surface::Point to_host(const Point& point) {
  return std::bit_cast<surface::Point>(point);
}
inline Point from_host(const surface::Point& point) {
  return std::bit_cast<Point>(point);
}
inline surface::Rect to_host(const Rect& rect) {
  return std::bit_cast<surface::Rect>(rect);
}
inline Rect from_host(const surface::Rect& rect) {
  return std::bit_cast<Rect>(rect);
}
inline surface::Size to_host(const Size& size) {
  return std::bit_cast<surface::Size>(size);
}
inline Size from_host(const surface::Size& size) {
  return std::bit_cast<Size>(size);
}
inline surface::Transform to_host(const Transform& transform) {
  return std::bit_cast<surface::Transform>(transform);
}
inline surface::LogFont to_host(const LogFont& font) {
  return std::bit_cast<surface::LogFont>(font);
}
inline LogFont from_host(const surface::LogFont& font) {
  return std::bit_cast<LogFont>(font);
}
inline surface::BitmapInfoHeader to_host(const BitmapInfoHeader& header) {
  return std::bit_cast<surface::BitmapInfoHeader>(header);
}
inline BitmapInfoHeader from_host(const surface::BitmapInfoHeader& header) {
  return std::bit_cast<BitmapInfoHeader>(header);
}
inline text::TextEncoding to_host(TextEncoding encoding) {
  return encoding == TextEncoding::gbk ? text::TextEncoding::gbk : text::TextEncoding::utf8;
}
inline TextEncoding from_host(text::TextEncoding encoding) {
  return encoding == text::TextEncoding::gbk ? TextEncoding::gbk : TextEncoding::utf8;
}

// An out-parameter of the port's type filled through the host's: copied in, and back out when
// the call is done. A null pointer stays null.
template <typename Port, typename Host>
class OutValue {
 public:
  explicit OutValue(Port* value) : port_(value) {
    if (port_ != nullptr) host_ = to_host(*port_);
  }
  ~OutValue() {
    if (port_ != nullptr) *port_ = from_host(host_);
  }
  OutValue(const OutValue&) = delete;
  OutValue& operator=(const OutValue&) = delete;
  Host* get() { return port_ != nullptr ? &host_ : nullptr; }

 private:
  Port* port_;
  Host host_{};
};

}  // namespace kanvo::platform
