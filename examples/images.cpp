// Images: a picture loaded from the program itself (embedded at build time), turned, combined with
// the window, saved to a file and loaded again from there.
// Saves sailboat_turned.bmp and the window's picture as images.bmp; a click ends the program
// (--once: end at once).
#include <kanvo.h>

#include <cstring>

int main(int argc, char* argv[]) {
  open_window(640, 480, 0);
  set_bk_color(rgb(235, 240, 245));
  clear_canvas();
  set_bk_mode(TRANSPARENT);
  set_text_color(rgb(40, 40, 40));

  // The picture, from the program's own resources: its natural size, 160 x 120.
  CanvasImage boat;
  load_image_resource(&boat, "PICTURE", "sailboat", 0, 0, true);
  put_image(20, 30, &boat, SRCCOPY);
  out_text_at(20, 10, "loaded");

  // Turned by 30 degrees (angles in radians, counter-clockwise) with smooth pixels; the new
  // image grows to hold all of the turned picture, the corners filled with the background.
  CanvasImage turned;
  rotate_image(&turned, &boat, 30 * 3.14159265 / 180, rgb(235, 240, 245), true, true);
  put_image(200, 30, &turned, SRCCOPY);
  out_text_at(200, 10, "turned 30 degrees");

  // Written to a file, loaded again at half its size, and shown.
  save_image("sailboat_turned.bmp", &turned);
  CanvasImage again;
  load_image(&again, "sailboat_turned.bmp", turned.width() / 2, turned.height() / 2, true);
  put_image(440, 60, &again, SRCCOPY);
  out_text_at(440, 10, "saved, loaded at half size");

  // Combining with what is there: SRCAND keeps the picture only where the target is light, so
  // it shows through a grid of dark lines; a part of the picture; a copy of the window's pixels
  // (get_image) put back with its colours inverted.
  set_fill_color(rgb(40, 40, 40));
  set_bk_color(rgb(255, 255, 255));
  set_bk_mode(OPAQUE);
  set_fill_style(BS_HATCHED, HS_CROSS, nullptr);
  paint_rect(20, 260, 180, 380);
  put_image(20, 260, &boat, SRCAND);
  set_bk_mode(TRANSPARENT);
  out_text_at(20, 386, "SRCAND on a grid");
  put_image_part(220, 260, 80, 120, &boat, 40, 0, SRCCOPY);  // the sails only
  out_text_at(220, 386, "a part");
  CanvasImage copy;
  get_image(&copy, 20, 30, 160, 120);  // from the window
  put_image(340, 260, &copy, NOTSRCCOPY);
  out_text_at(340, 386, "NOTSRCCOPY of a copy");

  save_image("images.bmp", nullptr);  // null: the window's picture
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return 0;
  while (get_mouse_message().message != WM_LBUTTONDOWN) {
  }
}
