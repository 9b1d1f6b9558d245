#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/display/headless_display.h"
#include "host/display/sdl_display.h"

namespace kanvo::display {
namespace {

bool screen_wanted() {
  const char* choice = std::getenv("KANVO_DISPLAY");
  if (choice != nullptr && std::string_view(choice) == "headless") return false;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

std::unique_ptr<Display> open_display(Scene& scene) {
  if (screen_wanted()) {
    std::string failure;
    if (std::unique_ptr<Display> screen = SdlDisplay::open(scene, failure)) return screen;
    std::fprintf(stderr, "kanvo: the screen cannot be opened (%s); windows are kept off-screen\n",
                 failure.c_str());
  }
  return std::make_unique<HeadlessDisplay>(scene);
}

}  // namespace kanvo::display
