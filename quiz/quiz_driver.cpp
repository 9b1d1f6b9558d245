#include "quiz/quiz_driver.h"

#include <optional>
#include <string>

#include "host/console/text_attribute.h"
#include "quiz/function_catalogue.h"

namespace kanvo::quiz {
namespace {

// Purple behind aqua for the whole screen.
constexpr std::uint8_t kScreenColors = 0x53;

// "\t   《幂函数y=x^(m/n)》欢迎您！\n\n"
constexpr std::string_view kBanner =
    "\t   \xA1\xB6\xC3\xDD\xBA\xAF\xCA\xFDy=x^(m/n)\xA1\xB7\xBB\xB6\xD3\xAD\xC4\xFA\xA3\xA1\n\n";
// "\n\t ************(第" round "轮)************\n"
constexpr std::string_view kRoundHeaderStart = "\n\t ************(\xB5\xDA";
constexpr std::string_view kRoundHeaderEnd = "\xC2\xD6)************\n";
// "\n函数的图像经过第几象限，是否揭晓答案(Y/N):"
constexpr std::string_view kPrompt =
    "\n\xBA\xAF\xCA\xFD\xB5\xC4\xCD\xBC\xCF\xF1\xBE\xAD\xB9\xFD\xB5\xDA\xBC\xB8\xCF\xF3\xCF\xDE"
    "\xA3\xAC\xCA\xC7\xB7\xF1\xBD\xD2\xCF\xFE\xB4\xF0\xB0\xB8(Y/N):";
constexpr std::string_view kRevealAnswer = "Y";

}  // namespace

void QuizDriver::run() {
  console::Console& console = services_.console;
  console.set_screen_colors(kScreenColors);
  console.set_text_attribute(console::kBrightGreenOnBlack);
  console.write(kBanner);
  while (play_round()) {
  }
}

bool QuizDriver::play_round() {
  console::Console& console = services_.console;
  seed_counter_ += 3;
  ++round_;
  console.set_text_attribute(console::kYellowOnBlack);
  std::string header(kRoundHeaderStart);
  header += std::to_string(static_cast<std::int32_t>(round_));
  header += kRoundHeaderEnd;
  console.write(header);
  console.set_text_attribute(console::kBrightCyanOnBlack);

  random_.seed(round_seed(services_.clock(), static_cast<std::int32_t>(seed_counter_)));
  const int index = random_.draw() % FunctionCatalogue::kSize + 1;
  const PowerFunction& function = *FunctionCatalogue::find(index);
  console.write(function.label);
  console.write(kPrompt);

  const std::optional<std::string> answer = services_.answers.next_token();
  if (!answer) return false;
  if (*answer == kRevealAnswer) {
    console.write(function.answer->answer_text);
    services_.play_clip(function.answer->clip_path);
    console.write("\n");
    services_.plot_graph(index);
  }
  return true;
}

}  // namespace kanvo::quiz
