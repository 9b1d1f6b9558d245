#include "quiz/function_catalogue.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "host/sound/clip.h"
#include "tests/support/gbk.h"

namespace kanvo::quiz {
namespace {

using testing::to_gbk;

struct ExpectedCue {
  const char* answer_text;
  const char* clip_path;
};

// The cues as a reader writes them; the catalogue must hold exactly their GBK bytes.
const ExpectedCue kCueI{"函数的图像经过第1，3象限,且经过原点",
                        "音乐\\the 1st, 3rd quadrant and passes through the origin.wav"};
const ExpectedCue kCueII{"函数的图像经过第1，3象限", "音乐\\1st, 3rd quadrant.wav"};
const ExpectedCue kCueIII{"函数的图像经过第1，2象限,且经过原点",
                          "音乐\\the 1st, 2nd quadrant and passes through the origin.wav"};
const ExpectedCue kCueIV{"函数的图像经过第1，2象限", "音乐\\the first, second quadrant..wav"};
const ExpectedCue kCueV{"函数的图像经过第1象限,且经过原点",
                        "音乐\\the first quadrant and passes through the origin..wav"};
const ExpectedCue kCueVI{"函数的图像经过第1象限", "音乐\\the first quadrant..wav"};

struct ExpectedFunction {
  const char* label;
  int numerator;
  int denominator;
  const ExpectedCue* cue;
};

const ExpectedFunction kExpected[FunctionCatalogue::kSize] = {
    {"幂函数y=x^1", 1, 1, &kCueI},       {"幂函数y=x^-1", -1, 1, &kCueII},
    {"幂函数y=x^2", 2, 1, &kCueIII},     {"幂函数y=x^-2", -2, 1, &kCueIV},
    {"幂函数y=x^3", 3, 1, &kCueI},       {"幂函数y=x^-3", -3, 1, &kCueII},
    {"幂函数y=x^4", 4, 1, &kCueIII},     {"幂函数y=x^-4", -4, 1, &kCueIV},
    {"幂函数y=x^(1/2)", 1, 2, &kCueV},   {"幂函数y=x^(-1/2)", -1, 2, &kCueVI},
    {"幂函数y=x^(3/2)", 3, 2, &kCueV},   {"幂函数y=x^(-3/2)", -3, 2, &kCueVI},
    {"幂函数y=x^(1/3)", 1, 3, &kCueI},   {"幂函数y=x^(-1/3)", -1, 3, &kCueII},
    {"幂函数y=x^(4/3)", 4, 3, &kCueIII}, {"幂函数y=x^(-4/3)", -4, 3, &kCueIV},
};

TEST(FunctionCatalogue, EveryEntryByteForByte) {
  for (int index = 1; index <= FunctionCatalogue::kSize; ++index) {
    SCOPED_TRACE(index);
    const ExpectedFunction& expected = kExpected[index - 1];
    const PowerFunction* function = FunctionCatalogue::find(index);
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function->index, index);
    EXPECT_EQ(function->label, to_gbk(expected.label));
    EXPECT_EQ(function->exponent.numerator, expected.numerator);
    EXPECT_EQ(function->exponent.denominator, expected.denominator);
    EXPECT_EQ(function->answer->answer_text, to_gbk(expected.cue->answer_text));
    EXPECT_EQ(function->answer->clip_path, to_gbk(expected.cue->clip_path));
  }
}

TEST(FunctionCatalogue, IndicesOutsideOneToSixteenFindNothing) {
  EXPECT_EQ(FunctionCatalogue::find(0), nullptr);
  EXPECT_EQ(FunctionCatalogue::find(17), nullptr);
  EXPECT_EQ(FunctionCatalogue::find(-1), nullptr);
  EXPECT_EQ(&FunctionCatalogue::functions()[0], FunctionCatalogue::find(1));
}

TEST(FunctionCatalogue, EntriesOfOneCueShareTheSameBytes) {
  std::set<const AnswerCue*> cues;
  for (int first : {1, 2, 3, 4, 9, 10}) cues.insert(FunctionCatalogue::find(first)->answer);
  EXPECT_EQ(cues.size(), 6u);
  for (auto [a, b] : {std::pair{1, 5},
                      {1, 13},
                      {2, 6},
                      {2, 14},
                      {3, 7},
                      {3, 15},
                      {4, 8},
                      {4, 16},
                      {9, 11},
                      {10, 12}}) {
    EXPECT_EQ(FunctionCatalogue::find(a)->answer, FunctionCatalogue::find(b)->answer) << a << b;
  }
}

TEST(FunctionCatalogue, CommasBackslashAndDoubleDots) {
  const AnswerCue& cue_one = *FunctionCatalogue::find(1)->answer;
  // The full-width comma between the quadrants, the ASCII comma before "且经过原点".
  EXPECT_NE(cue_one.answer_text.find("1\xA3\xAC"
                                     "3"),
            std::string_view::npos);
  EXPECT_NE(cue_one.answer_text.find(",\xC7\xD2"), std::string_view::npos);
  for (const PowerFunction& function : FunctionCatalogue::functions()) {
    const std::string_view path = function.answer->clip_path;
    EXPECT_TRUE(path.starts_with("\xD2\xF4\xC0\xD6\x5C")) << function.index;  // "音乐" and '\'
    EXPECT_EQ(path.find('\\', 5), std::string_view::npos) << function.index;
    EXPECT_TRUE(path.ends_with(".wav"));
    const bool double_dot = path.ends_with("..wav");
    const bool cue_four_to_six = function.answer == FunctionCatalogue::find(4)->answer ||
                                 function.answer == FunctionCatalogue::find(9)->answer ||
                                 function.answer == FunctionCatalogue::find(10)->answer;
    EXPECT_EQ(double_dot, cue_four_to_six) << function.index;
  }
}

// The answers follow the subject taught: a positive exponent passes the origin; an even
// numerator gives quadrants 1 and 2, an even denominator quadrant 1, odd over odd 1 and 3.
TEST(FunctionCatalogue, AnswersFollowTheExponents) {
  for (const PowerFunction& function : FunctionCatalogue::functions()) {
    SCOPED_TRACE(function.index);
    const auto [m, n] = function.exponent;
    const std::string text = std::string(function.answer->answer_text);
    const bool origin = text.ends_with(to_gbk("且经过原点"));
    EXPECT_EQ(origin, m * n > 0);
    const std::string quadrants = n % 2 == 0   ? to_gbk("第1象限")
                                  : m % 2 == 0 ? to_gbk("第1，2象限")
                                               : to_gbk("第1，3象限");
    EXPECT_NE(text.find(quadrants), std::string::npos);
  }
}

TEST(FunctionCatalogue, ExponentValues) {
  EXPECT_EQ(FunctionCatalogue::find(13)->exponent.value(), 1.0 / 3.0);
  EXPECT_EQ(FunctionCatalogue::find(14)->exponent.value(), -(1.0 / 3.0));
  EXPECT_EQ(FunctionCatalogue::find(15)->exponent.value(), 4.0 / 3.0);
  EXPECT_EQ(FunctionCatalogue::find(16)->exponent.value(), -(4.0 / 3.0));
  EXPECT_EQ(FunctionCatalogue::find(12)->exponent.value(), -1.5);
  EXPECT_EQ(FunctionCatalogue::find(2)->exponent.value(), -1.0);
}

// The clip's length in seconds; nothing when it is no wave file SDL reads.
std::optional<double> wave_seconds(const std::string& path) {
  SDL_AudioSpec spec{};
  Uint8* bytes = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &spec, &bytes, &length) == nullptr) return std::nullopt;
  SDL_FreeWAV(bytes);
  const double frame_bytes = SDL_AUDIO_BITSIZE(spec.format) / 8.0 * spec.channels;
  return length / frame_bytes / spec.freq;
}

// Run from the repository root, as the program is.
TEST(VoiceClips, EveryCueHasAPlayableRecordingLongerThanHalfASecond) {
  for (const PowerFunction& function : FunctionCatalogue::functions()) {
    const std::string path = sound::clip_file_path(function.answer->clip_path);
    SCOPED_TRACE(path);
    const std::optional<double> seconds = wave_seconds(path);
    ASSERT_TRUE(seconds.has_value());
    EXPECT_GT(*seconds, 0.5);
  }
}

TEST(VoiceClips, ASingleDotSpellingIsNotFound) {
  ASSERT_TRUE(std::filesystem::exists("音乐/the first quadrant..wav"));
  EXPECT_FALSE(std::filesystem::exists("音乐/the first quadrant.wav"));
  EXPECT_FALSE(wave_seconds("音乐/the first quadrant.wav").has_value());
}

}  // namespace
}  // namespace kanvo::quiz
