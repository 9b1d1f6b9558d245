// kanvo-quiz: the power-function quiz on the console.
#include <ctime>
#include <filesystem>
#include <vector>

#include "app/installed_data.h"
#include "graphics/context/text_encoding.h"
#include "host/console/standard_console.h"
#include "host/sound/clip.h"
#include "host/sound/clip_folders.h"
#include "host/sound/sound_player.h"
#include "quiz/graph_plotter.h"
#include "quiz/quiz_driver.h"

int main() {
  // Every text of the quiz is GBK, as its catalogue spells it.
  kanvo::set_text_encoding(kanvo::TEXT_GBK);
  kanvo::console::StandardConsole terminal;
  // The working directory's clips first, then those installed with the program.
  const std::vector<std::filesystem::path> clip_folders{{}, kanvo::app::installed_data_folder()};
  kanvo::sound::SoundPlayer clips;
  kanvo::quiz::QuizDriver driver({
      .console = terminal.console(),
      .answers = terminal.answers(),
      .clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); },
      .play_clip =
          [&](std::string_view path) {
            clips.play_clip(
                kanvo::sound::find_clip_file(kanvo::sound::clip_file_path(path), clip_folders));
          },
      .plot_graph = kanvo::quiz::plot_graph,
  });
  // Keys typed in the graph window come as typed at the terminal: the library puts them there.
  driver.run();
  return 0;
}
