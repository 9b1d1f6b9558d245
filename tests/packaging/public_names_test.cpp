// A program's view of <kanvo.h>: the library's types, values and functions by their plain names,
// while the names it keeps to itself stay free for the program's own use.
#include <gtest/gtest.h>
#include <kanvo.h>

// The program's own things, named like the library's inner parts. Each use below would be
// ambiguous if <kanvo.h> brought its whole namespace in.
struct DrawingState {
  int id = 1;
};
struct WindowCanvas {
  int id = 2;
};
struct MessageQueue {
  int id = 3;
};
namespace gdi {
constexpr int id = 4;
}
namespace ui {
constexpr int id = 5;
}
int queue_mouse_message() {
  return 6;
}
constexpr int WAKE_MESSAGE = 7;

namespace {

TEST(PublicNames, TheLibraryIsReachedByPlainNames) {
  CanvasImage image(8, 4);
  set_working_image(&image);
  set_line_color(rgb(255, 0, 0));
  set_line_style(PS_SOLID | PS_ENDCAP_FLAT, 1, nullptr, 0);
  draw_line(0, 1, 8, 1);
  set_fill_style(BS_HATCHED, HS_CROSS, nullptr);
  EXPECT_EQ(read_pixel(3, 1), rgb(255, 0, 0));
  EXPECT_EQ(read_pixel(3, 2), Color{0});
  set_bk_mode(TRANSPARENT);
  EXPECT_EQ(get_bk_mode(), TRANSPARENT);
  set_rop2(R2_XORPEN);
  EXPECT_EQ(get_rop2(), R2_XORPEN);
}

TEST(PublicNames, InnerNamesStayFreeForTheProgram) {
  const int sum = DrawingState{}.id + WindowCanvas{}.id + MessageQueue{}.id + gdi::id + ui::id +
                  queue_mouse_message() + WAKE_MESSAGE;
  EXPECT_EQ(sum, 28);
}

}  // namespace
