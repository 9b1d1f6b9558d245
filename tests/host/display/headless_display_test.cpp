// The headless screen composes the scene's windows bottom to top, clipped to the screen.
#include "host/display/headless_display.h"

#include <gtest/gtest.h>

#include <map>

namespace kanvo::display {
namespace {

// A scene of plain coloured windows.
class ColourScene final : public Scene {
 public:
  std::vector<SceneWindow> list;
  std::map<std::uint32_t, PixelWord> colours;
  std::vector<InputEvent> delivered;

  std::vector<SceneWindow> windows() override { return list; }
  bool render(std::uint32_t id, PixelWord* pixels, std::int32_t width,
              std::int32_t height) override {
    const auto found = colours.find(id);
    if (found == colours.end()) return false;
    std::fill(pixels, pixels + static_cast<std::size_t>(width) * height, found->second);
    return true;
  }
  void deliver(const InputEvent& event) override { delivered.push_back(event); }
  bool drags(std::uint32_t, Point) override { return false; }
  void add(std::uint32_t id, Rect outer, PixelWord colour, bool shown = true) {
    list.push_back({id, outer, shown, !shown, 1, "w"});
    colours[id] = colour;
  }
};

TEST(HeadlessDisplayTest, LaterWindowsCoverEarlierOnes) {
  ColourScene scene;
  scene.add(1, {10, 10, 110, 110}, 0x111111);
  scene.add(2, {50, 50, 150, 150}, 0x222222);
  scene.add(3, {0, 0, 200, 200}, 0x333333, false);  // minimised: not on the screen
  HeadlessDisplay screen(scene);
  const Image image = screen.capture();
  ASSERT_EQ(image.width, HeadlessDisplay::kWidth);
  ASSERT_EQ(image.height, HeadlessDisplay::kHeight);
  EXPECT_EQ(image.at(9, 9), HeadlessDisplay::kDesktop);
  EXPECT_EQ(image.at(10, 10), 0x111111u);
  EXPECT_EQ(image.at(49, 49), 0x111111u);
  EXPECT_EQ(image.at(50, 50), 0x222222u);
  EXPECT_EQ(image.at(149, 149), 0x222222u);
  EXPECT_EQ(image.at(150, 150), HeadlessDisplay::kDesktop);
}

TEST(HeadlessDisplayTest, WindowsPartlyOrWhollyOffTheScreenAreClipped) {
  ColourScene scene;
  scene.add(1, {-50, -50, 10, 10}, 0x111111);
  scene.add(2,
            {HeadlessDisplay::kWidth - 5, HeadlessDisplay::kHeight - 5,
             HeadlessDisplay::kWidth + 100, HeadlessDisplay::kHeight + 100},
            0x222222);
  scene.add(3, {-500, 0, -400, 100}, 0x333333);
  scene.add(4, {100, 100, 100, 300}, 0x444444);  // no width
  scene.add(5, {300, 300, 400, 400}, 0x555555);
  scene.colours.erase(5);  // cannot render: left out
  HeadlessDisplay screen(scene);
  const Image image = screen.capture();
  EXPECT_EQ(image.at(0, 0), 0x111111u);
  EXPECT_EQ(image.at(9, 9), 0x111111u);
  EXPECT_EQ(image.at(10, 10), HeadlessDisplay::kDesktop);
  EXPECT_EQ(image.at(HeadlessDisplay::kWidth - 1, HeadlessDisplay::kHeight - 1), 0x222222u);
  EXPECT_EQ(image.at(350, 350), HeadlessDisplay::kDesktop);
}

TEST(HeadlessDisplayTest, InjectedInputReachesTheScene) {
  ColourScene scene;
  HeadlessDisplay screen(scene);
  InputEvent event;
  event.kind = InputEvent::Kind::wheel;
  event.wheel = -120;
  screen.inject(event);
  ASSERT_EQ(scene.delivered.size(), 1u);
  EXPECT_EQ(scene.delivered[0].wheel, -120);
  EXPECT_TRUE(screen.is_headless());
  const Rect area = screen.work_area();
  EXPECT_EQ(area.bottom, HeadlessDisplay::kHeight - HeadlessDisplay::kTaskbarHeight);
}

}  // namespace
}  // namespace kanvo::display
