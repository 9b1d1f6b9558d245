#include "quiz/function_catalogue.h"

namespace kanvo::quiz {
namespace {
// 函数的图像经过第1，3象限,且经过原点
// 音乐\the 1st, 3rd quadrant and passes through the origin.wav
constexpr AnswerCue kQuadrants13Origin{
    "\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA"
    "1\xA3\xAC"
    "3\xCF\xF3\xCF\xDE,\xC7\xD2\xBE\xAD\xB9\xFD\xD4\xAD\xB5\xE3",
    "\xD2\xF4\xC0\xD6\\the 1st, 3rd quadrant and passes through the origin.wav"};
// 函数的图像经过第1，3象限
// 音乐\1st, 3rd quadrant.wav
constexpr AnswerCue kQuadrants13{
    "\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA"
    "1\xA3\xAC"
    "3\xCF\xF3\xCF\xDE",
    "\xD2\xF4\xC0\xD6\\1st, 3rd quadrant.wav"};
// 函数的图像经过第1，2象限,且经过原点
// 音乐\the 1st, 2nd quadrant and passes through the origin.wav
constexpr AnswerCue kQuadrants12Origin{
    "\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA"
    "1\xA3\xAC"
    "2\xCF\xF3\xCF\xDE,\xC7\xD2\xBE\xAD\xB9\xFD\xD4\xAD\xB5\xE3",
    "\xD2\xF4\xC0\xD6\\the 1st, 2nd quadrant and passes through the origin.wav"};
// 函数的图像经过第1，2象限
// 音乐\the first, second quadrant..wav
constexpr AnswerCue kQuadrants12{
    "\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA"
    "1\xA3\xAC"
    "2\xCF\xF3\xCF\xDE",
    "\xD2\xF4\xC0\xD6\\the first, second quadrant..wav"};
// 函数的图像经过第1象限,且经过原点
// 音乐\the first quadrant and passes through the origin..wav
constexpr AnswerCue kQuadrant1Origin{
    "\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA"
    "1\xCF\xF3\xCF\xDE,\xC7\xD2\xBE\xAD\xB9\xFD\xD4\xAD\xB5\xE3",
    "\xD2\xF4\xC0\xD6\\the first quadrant and passes through the origin..wav"};
// 函数的图像经过第1象限
// 音乐\the first quadrant..wav
constexpr AnswerCue kQuadrant1{
    "\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA"
    "1\xCF\xF3\xCF\xDE",
    "\xD2\xF4\xC0\xD6\\the first quadrant..wav"};

// Labels are "幂函数y=x^" followed by the exponent as written.
constexpr std::array<PowerFunction, FunctionCatalogue::kSize> kFunctions{{
    {1, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^1", {1, 1}, &kQuadrants13Origin},
    {2, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^-1", {-1, 1}, &kQuadrants13},
    {3, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^2", {2, 1}, &kQuadrants12Origin},
    {4, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^-2", {-2, 1}, &kQuadrants12},
    {5, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^3", {3, 1}, &kQuadrants13Origin},
    {6, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^-3", {-3, 1}, &kQuadrants13},
    {7, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^4", {4, 1}, &kQuadrants12Origin},
    {8, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^-4", {-4, 1}, &kQuadrants12},
    {9, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(1/2)", {1, 2}, &kQuadrant1Origin},
    {10, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(-1/2)", {-1, 2}, &kQuadrant1},
    {11, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(3/2)", {3, 2}, &kQuadrant1Origin},
    {12, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(-3/2)", {-3, 2}, &kQuadrant1},
    {13, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(1/3)", {1, 3}, &kQuadrants13Origin},
    {14, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(-1/3)", {-1, 3}, &kQuadrants13},
    {15, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(4/3)", {4, 3}, &kQuadrants12Origin},
    {16, "\xC3\xDD\xBA\xAF\xCA\xFDy=x^(-4/3)", {-4, 3}, &kQuadrants12},
}};

}  // namespace

const PowerFunction* FunctionCatalogue::find(int index) {
  if (index < 1 || index > kSize) return nullptr;
  return &kFunctions[static_cast<std::size_t>(index - 1)];
}

const std::array<PowerFunction, FunctionCatalogue::kSize>& FunctionCatalogue::functions() {
  return kFunctions;
}

}  // namespace kanvo::quiz
