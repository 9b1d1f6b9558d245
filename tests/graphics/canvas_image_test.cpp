#include "graphics/image/canvas_image.h"

#include <gtest/gtest.h>

#include "graphics/kanvo.h"
#include "working_image_fixture.h"

namespace kanvo {
namespace {

constexpr std::uint32_t kRedPixel = 0x00FF0000;

TEST(CanvasImage, WithoutSizeHasNoPixels) {
  CanvasImage image(0, 0);
  EXPECT_EQ(image.width(), 0);
  EXPECT_EQ(image.height(), 0);
  EXPECT_EQ(image.pixels(), nullptr);
  EXPECT_EQ(get_image_buffer(&image), nullptr);
  CanvasImage negative(-5, 10);
  EXPECT_EQ(negative.width(), 0);
  EXPECT_EQ(negative.pixels(), nullptr);
}

TEST(CanvasImage, NewImageIsBlack) {
  CanvasImage image(8, 8);
  ASSERT_NE(image.pixels(), nullptr);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(image.pixels()[i], 0u);
}

TEST(CanvasImage, ResizeWithAZeroOrNegativeSideChangesNothing) {
  CanvasImage image(4, 4);
  std::uint32_t* before = image.pixels();
  image.resize(0, 50);
  image.resize(50, 0);
  image.resize(-3, 7);
  EXPECT_EQ(image.width(), 4);
  EXPECT_EQ(image.height(), 4);
  EXPECT_EQ(image.pixels(), before);
}

TEST(CanvasImage, ResizeThatCannotBeAllocatedKeepsTheImage) {
  CanvasImage image(2, 2);
  image.pixels()[3] = 0x123456;
  image.resize(0x7FFFFFFF, 0x7FFFFFFF);
  EXPECT_EQ(image.width(), 2);
  EXPECT_EQ(image.pixels()[3], 0x123456u);
}

TEST(CanvasImage, GrowingKeepsTheTopLeftAndFillsTheRestWithTheBackground) {
  CanvasImage image(2, 2);
  const std::uint32_t p = 0x010203, q = 0x040506, s = 0x070809, t = 0x0A0B0C;
  image.pixels()[0] = p;
  image.pixels()[1] = q;
  image.pixels()[2] = s;
  image.pixels()[3] = t;
  image.state().bk_color = 0x0000FF;  // red
  image.resize(3, 3);
  const std::uint32_t r = kRedPixel;
  const std::uint32_t expected[9] = {p, q, r, s, t, r, r, r, r};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(image.pixels()[i], expected[i]) << i;
}

TEST(CanvasImage, ShrinkingKeepsTheTopLeft) {
  CanvasImage image(3, 3);
  for (int i = 0; i < 9; ++i) image.pixels()[i] = static_cast<std::uint32_t>(i + 1);
  image.resize(2, 2);
  EXPECT_EQ(image.pixels()[0], 1u);
  EXPECT_EQ(image.pixels()[1], 2u);
  EXPECT_EQ(image.pixels()[2], 4u);
  EXPECT_EQ(image.pixels()[3], 5u);
}

TEST(CanvasImage, AssignmentTakesSizeAndPixelsButNotTheState) {
  CanvasImage source(4, 3);
  for (int i = 0; i < 12; ++i) source.pixels()[i] = static_cast<std::uint32_t>(0x100 * i);
  source.state().line_color = 0x00FF00;
  CanvasImage target(1, 1);
  target.state().line_color = 0x0000FF;
  target.state().fill_color = 0x123456;
  target = source;
  EXPECT_EQ(target.width(), 4);
  EXPECT_EQ(target.height(), 3);
  EXPECT_NE(target.pixels(), source.pixels());
  for (int i = 0; i < 12; ++i) EXPECT_EQ(target.pixels()[i], source.pixels()[i]);
  EXPECT_EQ(target.state().line_color, 0x0000FFu);
  EXPECT_EQ(target.state().fill_color, 0x123456u);

  CanvasImage copy(source);
  EXPECT_EQ(copy.width(), 4);
  EXPECT_EQ(copy.pixels()[11], source.pixels()[11]);
  EXPECT_EQ(copy.state().line_color, 0xFFFFFFu);  // a copy starts from the default state

  // Self-assignment keeps everything; through another name, as a program would reach it.
  const CanvasImage& same = target;
  target = same;
  EXPECT_EQ(target.pixels()[5], source.pixels()[5]);
}

TEST(CanvasImage, AssignmentFromAnImageWithoutPixelsKeepsTheTarget) {
  CanvasImage empty;
  CanvasImage target(2, 2);
  target.pixels()[0] = 7;
  target = empty;
  EXPECT_EQ(target.width(), 2);
  EXPECT_EQ(target.pixels()[0], 7u);
}

TEST(WorkingTarget, ImageBecomesTheTargetAndDrawingGoesThere) {
  CanvasImage first(20, 10);
  CanvasImage second(30, 10);
  set_working_image(&first);
  EXPECT_EQ(get_working_image(), &first);
  EXPECT_EQ(get_width(), 20);
  EXPECT_EQ(get_max_x(), 19);
  set_working_image(&second);
  EXPECT_EQ(get_working_image(), &second);
  EXPECT_EQ(get_height(), 10);
  EXPECT_EQ(get_image_dc(&second), second.surface());
  EXPECT_EQ(get_image_buffer(&second), second.pixels());
  resize_image(&second, 40, 12);
  EXPECT_EQ(get_width(), 40);
}

TEST(WorkingTarget, DestroyedWorkingImageLeavesNoTarget) {
  {
    CanvasImage image(10, 10);
    set_working_image(&image);
  }
  EXPECT_EQ(get_working_image(), nullptr);
  // With no target the calls do nothing and return zero values.
  draw_line(0, 0, 5, 5);
  clear_canvas();
  EXPECT_EQ(get_width(), 0);
  EXPECT_EQ(get_line_color(), 0u);
  EXPECT_EQ(read_pixel(0, 0), 0u);
}

}  // namespace
}  // namespace kanvo
