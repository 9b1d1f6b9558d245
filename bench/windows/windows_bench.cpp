// The window system's costs on the headless screen: making a window, a message sent to another
// thread and answered, posting and getting, and drawing on a window's client DC.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <future>
#include <thread>

#include "host/surface/surface.h"
#include "host/windows/classes.h"
#include "host/windows/messages.h"
#include "host/windows/painting.h"
#include "host/windows/windows.h"

namespace kanvo::win {
namespace {

constexpr std::uint32_t kAnswer = msg::kUser + 1;

LResult procedure(WindowHandle window, std::uint32_t message, WParam wparam, LParam lparam) {
  if (message == kAnswer) return static_cast<LResult>(wparam + 1);
  if (message == msg::kDestroy) post_quit_message(0);
  return default_window_procedure(window, message, wparam, lparam);
}

const char* bench_class() {
  static const bool registered = [] {
    setenv("KANVO_DISPLAY", "headless", 1);
    return register_class({"Bench", class_style::kDoubleClicks, procedure, Cursor::arrow,
                           surface::get_stock_object(surface::StockObject::black_brush)});
  }();
  (void)registered;
  return "Bench";
}

WindowHandle make_window() {
  CreateParams params;
  params.class_name = bench_class();
  params.title = "bench";
  params.style = style::kCaption | style::kSystemMenu | style::kMinimizeBox;
  params.x = 0;
  params.y = 0;
  params.width = 460;
  params.height = 460;
  return create_window(params);
}

void BM_CreateShowAndDestroyWindow(benchmark::State& state) {
  bench_class();
  for (auto _ : state) {
    const WindowHandle window = make_window();
    show_window(window, show::kShow);
    destroy_window(window);
  }
  Message message;
  while (peek_message(&message)) {
  }
}
BENCHMARK(BM_CreateShowAndDestroyWindow);

void BM_SendToAnotherThread(benchmark::State& state) {
  std::promise<WindowHandle> created;
  std::thread owner([&] {
    created.set_value(make_window());
    Message message;
    while (get_message(&message)) dispatch_message(message);
  });
  const WindowHandle window = created.get_future().get();
  WParam value = 0;
  for (auto _ : state) benchmark::DoNotOptimize(send_message(window, kAnswer, value++, 0));
  post_message(window, msg::kClose, 0, 0);
  owner.join();
}
BENCHMARK(BM_SendToAnotherThread)->UseRealTime();

void BM_PostAndGet(benchmark::State& state) {
  bench_class();
  Message message;
  for (auto _ : state) {
    post_message(kNoWindow, msg::kUser, 1, 2);
    get_message(&message);
  }
}
BENCHMARK(BM_PostAndGet);

// The quiz's mark, a circle of radius 2, on a window's client DC and on a memory DC.
void draw_marks(benchmark::State& state, surface::DcHandle dc) {
  const auto pen = surface::create_pen(surface::pen_style::kSolid, 1, 0xFFFFFF);
  surface::select_object(dc, pen);
  surface::select_object(dc, surface::get_stock_object(surface::StockObject::null_brush));
  std::int32_t x = 0;
  for (auto _ : state) {
    x = (x + 1) % 400;
    surface::ellipse(dc, 20 + x - 2, 200 - 2, 20 + x + 3, 200 + 3);
  }
  surface::select_object(dc, surface::get_stock_object(surface::StockObject::black_pen));
  surface::delete_object(pen);
}

void BM_MarkOnClientDc(benchmark::State& state) {
  const WindowHandle window = make_window();
  const surface::DcHandle dc = get_dc(window);
  draw_marks(state, dc);
  release_dc(window, dc);
  destroy_window(window);
}
BENCHMARK(BM_MarkOnClientDc);

void BM_MarkOnMemoryDc(benchmark::State& state) {
  const surface::DcHandle dc = surface::create_compatible_dc(surface::kNoDc);
  surface::PixelWord* bits = nullptr;
  const auto bitmap = surface::create_dib_section(454, 432, &bits);
  const auto old = surface::select_object(dc, bitmap);
  draw_marks(state, dc);
  surface::select_object(dc, old);
  surface::delete_object(bitmap);
  surface::delete_dc(dc);
}
BENCHMARK(BM_MarkOnMemoryDc);

}  // namespace
}  // namespace kanvo::win
