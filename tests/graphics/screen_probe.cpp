// A graphics window worked line by line from standard input, for the tests on a real X server:
//   screen_probe CANVAS_WIDTH CANVAS_HEIGHT FLAGS
// The window stands at (100, 100) with a client area of 200 by 150 pixels. The probe prints
// "client X Y" (the client area's top-left corner on the screen), then answers each command with
// one line, "ok" or what it reads. Colours are 0x00BBGGRR in hexadecimal.
//   batch | flush | end | flushrect L T R B | endrect L T R B
//   origin X Y | aspect X Y | bk C | clear | clip L T R B | clearclip | noclip
//   fill C | color C | pixel X Y C | line X1 Y1 X2 Y2 | rect L T R B | paintrect L T R B
//   circle X Y R | ellipse L T R B | roundrect L T R B W H | pie L T R B START (to 0)
//   polygon X1 Y1 X2 Y2 X3 Y3 | polyline X1 Y1 X2 Y2 X3 Y3 | text X Y WORD
//   arc L T R B END (from 0) | bar L T R B | bar3d L T R B DEPTH TOP | eraserect L T R B
//   floodfill X Y BORDER_C
//   put X Y W H C (an image of W by H in colour C put with SRCCOPY)
//   get X Y W H (prints "image W H" and the pixel words of its four corners)
//   mouse (waits; prints the message) | hit | flushmouse | flushkeys | quit
//   held (prints "held N", the number of mouse messages the queue holds)
//   drain (takes every held mouse message; prints "took N", then the first and the last taken)
//   keyhit (whether a key message is held: keys typed after mouse input show it was handled)
//   key (waits; prints "key=K down=0|1 text=T ctrl=0|1 shift=0|1 alt=0|1")
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "graphics/context/graphics_context.h"
#include "graphics/context/window_canvas.h"
#include "graphics/kanvo.h"
#include "graphics/platform/drawing_surface.h"
#include "graphics/platform/window.h"
#include "tests/support/library_window.h"

namespace {

using namespace kanvo;

unsigned long hex(const char* text) {
  return std::strtoul(text, nullptr, 16);
}

void print_message(const MouseMessage& m) {
  std::printf("message=%u x=%d y=%d wheel=%d left=%d middle=%d right=%d ctrl=%d shift=%d\n",
              m.message, m.x, m.y, m.wheel, m.left_button, m.middle_button, m.right_button, m.ctrl,
              m.shift);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s CANVAS_WIDTH CANVAS_HEIGHT FLAGS\n", argv[0]);
    return 2;
  }
  const std::int32_t flags = std::atoi(argv[3]);
  const WindowHandle window = open_window(std::atoi(argv[1]), std::atoi(argv[2]), flags);
  const platform::Size outer = window_outer_size(200, 150, flags);
  platform::place_on_top(window, 100, 100, outer.cx, outer.cy);
  const Point client = testing::client_origin(window);
  std::printf("client %d %d\n", client.x, client.y);
  std::fflush(stdout);
  char line[256];
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    char word[32] = {};
    char a[5][32] = {};
    const int n =
        std::sscanf(line, "%31s %31s %31s %31s %31s %31s", word, a[0], a[1], a[2], a[3], a[4]);
    if (n < 1) continue;
    const std::string command = word;
    int v[6] = {};
    std::sscanf(line, "%*s %d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]);
    if (command == "batch") {
      begin_batch_draw();
    } else if (command == "flush") {
      flush_batch_draw();
    } else if (command == "end") {
      end_batch_draw();
    } else if (command == "flushrect") {
      flush_batch_draw_rect(v[0], v[1], v[2], v[3]);
    } else if (command == "endrect") {
      end_batch_draw_rect(v[0], v[1], v[2], v[3]);
    } else if (command == "origin") {
      set_origin(v[0], v[1]);
    } else if (command == "aspect") {
      set_aspect_ratio(static_cast<float>(std::atof(a[0])), static_cast<float>(std::atof(a[1])));
    } else if (command == "bk") {
      set_bk_color(static_cast<Color>(hex(a[0])));
    } else if (command == "clear") {
      clear_canvas();
    } else if (command == "clip") {
      const RegionHandle region = platform::create_rect_region(v[0], v[1], v[2], v[3]);
      set_clip_region(region);
      platform::delete_object(region);
    } else if (command == "noclip") {
      set_clip_region(platform::kNoObject);
    } else if (command == "clearclip") {
      clear_clip_region();
    } else if (command == "fill") {
      set_fill_color(static_cast<Color>(hex(a[0])));
    } else if (command == "color") {
      set_color(static_cast<Color>(hex(a[0])));
    } else if (command == "pixel") {
      write_pixel(v[0], v[1], static_cast<Color>(hex(a[2])));
    } else if (command == "line") {
      draw_line(v[0], v[1], v[2], v[3]);
    } else if (command == "rect") {
      draw_rect(v[0], v[1], v[2], v[3]);
    } else if (command == "paintrect") {
      paint_rect(v[0], v[1], v[2], v[3]);
    } else if (command == "circle") {
      draw_circle(v[0], v[1], v[2]);
    } else if (command == "ellipse") {
      draw_ellipse(v[0], v[1], v[2], v[3]);
    } else if (command == "roundrect") {
      draw_round_rect(v[0], v[1], v[2], v[3], v[4], v[5]);
    } else if (command == "pie") {
      draw_pie(v[0], v[1], v[2], v[3], std::atof(a[4]), 0.0);
    } else if (command == "polygon") {
      const Point points[3] = {{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}};
      draw_polygon(points, 3);
    } else if (command == "polyline") {
      const Point points[3] = {{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}};
      draw_polyline(points, 3);
    } else if (command == "arc") {
      draw_arc(v[0], v[1], v[2], v[3], 0.0, std::atof(a[4]));
    } else if (command == "bar") {
      draw_bar(v[0], v[1], v[2], v[3]);
    } else if (command == "bar3d") {
      draw_bar3d(v[0], v[1], v[2], v[3], v[4], static_cast<std::uint8_t>(v[5]));
    } else if (command == "eraserect") {
      erase_rect(v[0], v[1], v[2], v[3]);
    } else if (command == "floodfill") {
      flood_fill(v[0], v[1], static_cast<Color>(hex(a[2])));
    } else if (command == "text") {
      out_text_at(v[0], v[1], a[2]);
    } else if (command == "put") {
      CanvasImage image(v[2], v[3]);
      const Color color = static_cast<Color>(hex(a[4]));
      const std::uint32_t pixel =
          ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
      for (std::int32_t i = 0; i < v[2] * v[3]; ++i) image.pixels()[i] = pixel;
      put_image(v[0], v[1], &image, platform::rop3::kSrcCopy);
    } else if (command == "get") {
      CanvasImage image;
      get_image(&image, v[0], v[1], v[2], v[3]);
      const std::int32_t w = image.width();
      const std::int32_t h = image.height();
      const std::uint32_t* p = image.pixels();
      if (w > 0 && h > 0) {
        std::printf("image %d %d %06x %06x %06x %06x\n", w, h, p[0] & 0xFFFFFF, p[w - 1] & 0xFFFFFF,
                    p[(h - 1) * w] & 0xFFFFFF, p[h * w - 1] & 0xFFFFFF);
      } else {
        std::printf("image %d %d\n", w, h);
      }
      std::fflush(stdout);
      continue;
    } else if (command == "mouse") {
      print_message(get_mouse_message());
      std::fflush(stdout);
      continue;
    } else if (command == "hit") {
      std::printf("hit=%d\n", mouse_hit() ? 1 : 0);
      std::fflush(stdout);
      continue;
    } else if (command == "held") {
      std::printf("held %d\n", graphics_context().canvas.messages().count());
      std::fflush(stdout);
      continue;
    } else if (command == "drain") {
      int held = 0;
      MouseMessage first{};
      MouseMessage last{};
      while (mouse_hit()) {
        last = get_mouse_message();
        if (held++ == 0) first = last;
      }
      std::printf("took %d\n", held);
      print_message(first);
      print_message(last);
      std::fflush(stdout);
      continue;
    } else if (command == "keyhit") {
      std::printf("keyhit=%d\n", key_hit() ? 1 : 0);
      std::fflush(stdout);
      continue;
    } else if (command == "key") {
      const KeyMessage key = get_key_message();
      std::printf("key=%u down=%d text=%s ctrl=%d shift=%d alt=%d\n", key.key,
                  key.message == WM_KEYDOWN ? 1 : 0, key.text, key.ctrl ? 1 : 0, key.shift ? 1 : 0,
                  key.alt ? 1 : 0);
      std::fflush(stdout);
      continue;
    } else if (command == "flushkeys") {
      flush_key_messages();
    } else if (command == "flushmouse") {
      flush_mouse_messages();
    } else if (command == "quit") {
      break;
    } else {
      std::printf("unknown %s\n", word);
      std::fflush(stdout);
      continue;
    }
    std::printf("ok\n");
    std::fflush(stdout);
  }
  return 0;
}
