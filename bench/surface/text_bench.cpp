// Text: characters per second drawn and measured, with warm glyph caches.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string_view>

#include "bench/surface/surface_pair.h"
#include "host/surface/surface.h"

namespace kanvo::surface {
namespace {

constexpr std::string_view kLatin = "The graph of y=x^(1/2) passes through quadrant I.";
// 幂函数的图像经过第一象限，且经过原点。
constexpr std::string_view kChinese =
    "\xC3\xDD\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA\xD2\xBB\xCF\xF3"
    "\xCF\xDE\xA3\xAC\xC7\xD2\xBE\xAD\xB9\xFD\xD4\xAD\xB5\xE3\xA1\xA3";

std::int64_t characters(std::string_view gbk) {
  std::int64_t count = 0;
  for (std::size_t i = 0; i < gbk.size(); ++i, ++count) {
    if (static_cast<unsigned char>(gbk[i]) >= 0x81) ++i;
  }
  return count;
}

// A 640 x 480 surface with a font of the given quality selected.
struct TextSurface : BenchSurface {
  explicit TextSurface(std::uint8_t quality) : BenchSurface(640, 480) {
    LogFont description;
    description.height = 16;
    description.char_set = kDefaultCharset;
    description.quality = quality;
    std::strcpy(description.face_name.data(), "System");
    select_object(dc, create_font_indirect(description));
    kanvo::text::set_program_encoding(kanvo::text::TextEncoding::gbk);
  }
  ~TextSurface() {
    delete_object(select_object(dc, get_stock_object(StockObject::system_font)));
    kanvo::text::set_program_encoding(kanvo::text::TextEncoding::utf8);
  }
};

void draw_lines(benchmark::State& state, std::string_view text, std::uint8_t quality) {
  TextSurface surface(quality);
  std::int32_t y = 0;
  for (auto _ : state) {
    text_out(surface.dc, 4, y, text);
    y = (y + 17) % 460;
  }
  state.SetItemsProcessed(state.iterations() * characters(text));
}

void BM_TextOutLatinMonochrome(benchmark::State& state) {
  draw_lines(state, kLatin, kNonAntialiasedQuality);
}
BENCHMARK(BM_TextOutLatinMonochrome);

void BM_TextOutChineseMonochrome(benchmark::State& state) {
  draw_lines(state, kChinese, kNonAntialiasedQuality);
}
BENCHMARK(BM_TextOutChineseMonochrome);

void BM_TextOutLatinGrey(benchmark::State& state) {
  draw_lines(state, kLatin, 4);
}
BENCHMARK(BM_TextOutLatinGrey);

void BM_TextOutChineseGrey(benchmark::State& state) {
  draw_lines(state, kChinese, 4);
}
BENCHMARK(BM_TextOutChineseGrey);

void BM_TextExtentChinese(benchmark::State& state) {
  TextSurface surface(kNonAntialiasedQuality);
  Size size;
  for (auto _ : state) {
    get_text_extent(surface.dc, kChinese, &size);
    benchmark::DoNotOptimize(size);
  }
  state.SetItemsProcessed(state.iterations() * characters(kChinese));
}
BENCHMARK(BM_TextExtentChinese);

void BM_DrawTextWrapped(benchmark::State& state) {
  TextSurface surface(kNonAntialiasedQuality);
  const std::string paragraph = std::string(kLatin) + " " + std::string(kChinese);
  for (auto _ : state) {
    Rect rect{10, 10, 250, 470};
    draw_text(surface.dc, paragraph, &rect, text_format::kWordBreak | text_format::kExpandTabs);
  }
  state.SetItemsProcessed(state.iterations() * characters(paragraph));
}
BENCHMARK(BM_DrawTextWrapped);

}  // namespace
}  // namespace kanvo::surface
