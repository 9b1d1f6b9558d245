// Whether the Wayland compositor a program would show its windows on offers a seat (the
// keyboard and pointer of the user). SDL's Wayland driver cannot start without one: under a
// compositor with no input at all (weston's headless output) it crashes while it opens, so the
// display asks first.
#pragma once

namespace kanvo::display {

enum class WaylandSeat {
  not_reached,  // no compositor answers where a Wayland client would look for one
  offered,
  missing,
};

// Connects to the compositor named by the environment (WAYLAND_DISPLAY, as SDL would), reads
// what it offers and disconnects. A compositor handed over as an open socket (WAYLAND_SOCKET)
// is not touched, since only one client can take it: it counts as offering a seat.
WaylandSeat wayland_seat();

}  // namespace kanvo::display
