#include "host/display/wayland_seat.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kanvo::display {
namespace {

void on_global(void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
  if (std::strcmp(interface, wl_seat_interface.name) == 0) *static_cast<bool*>(data) = true;
}

void on_global_remove(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kListener{on_global, on_global_remove};

}  // namespace

WaylandSeat wayland_seat() {
  const char* handed_over = std::getenv("WAYLAND_SOCKET");
  if (handed_over != nullptr && *handed_over != '\0') return WaylandSeat::offered;
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return WaylandSeat::not_reached;
  bool seat = false;
  wl_registry* registry = wl_display_get_registry(display);
  bool answered = false;
  if (registry != nullptr) {
    wl_registry_add_listener(registry, &kListener, &seat);
    // Every global is announced before the answer to this round trip.
    answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
  }
  wl_display_disconnect(display);
  if (!answered) return WaylandSeat::not_reached;
  return seat ? WaylandSeat::offered : WaylandSeat::missing;
}

}  // namespace kanvo::display
