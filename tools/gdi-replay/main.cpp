// gdi-replay: replays every drawing script of a folder through the drawing surface and compares
// the result with the expected image beside it.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/gdi-replay/image_files.h"
#include "tools/gdi-replay/replay.h"
#include "tools/gdi-replay/script.h"

namespace fs = std::filesystem;
using namespace kanvo::gdi_replay;

namespace {

constexpr const char* kUsage =
    "usage: gdi-replay [options] FOLDER\n"
    "Replays every FOLDER/NAME.ops and compares it with FOLDER/NAME.px (or NAME.png).\n"
    "  --case NAME                 only this case\n"
    "  --filter TEXT               only cases whose name contains TEXT\n"
    "  --images DIR                for each case that differs, write DIR/NAME.png:\n"
    "                              expected | actual | differences (red), magnified; and\n"
    "                              where NAME.steps.png is there, DIR/NAME.step.png: the same\n"
    "                              for the surface right after the first op that differs\n"
    "  --scale N                   magnification of those pictures (default 8)\n"
    "  --show                      print the differing area of each case as text\n"
    "  --known-differences FILE    cases (one name a line) allowed to differ; any other case\n"
    "                              that differs makes the exit status 1\n"
    "  --every-step                where NAME.steps.png is there, name every op after which the\n"
    "                              replay differs from the reference's picture in pixels that op\n"
    "                              changed (on either side), in exact cases too: later ops may\n"
    "                              paint over a difference\n"
    "  --known-step-differences FILE\n"
    "                              --every-step, with the ops (NAME:LINE, one a line) allowed to\n"
    "                              differ; any other op that differs makes the exit status 1\n"
    "Where FOLDER/NAME.steps holds the reference's hash after every op, each case that differs\n"
    "names the first op at which the replay parts from it, with the state in force there.\n";

struct Options {
  fs::path folder;
  std::string only_case;
  std::string filter;
  fs::path images;
  int scale = 8;
  bool show = false;
  fs::path known_differences;
  bool every_step = false;
  fs::path known_step_differences;
};

// An op after which the replay differs from the reference's step picture.
struct StepDifference {
  std::string key;  // NAME:LINE
  std::size_t pixels = 0;
  std::string op;
};

struct Outcome {
  std::string name;
  std::string problem;  // a script or image that could not be used
  std::size_t differing = 0;
  std::size_t top_byte_differing = 0;
  int left = 0, top = 0, right = -1, bottom = -1;
  std::string first_step;     // the first op whose step hash differs, with the state in force
  int first_step_index = -1;  // its place among the ops after `size`
  std::vector<std::uint32_t> first_step_surface;  // the replay's surface right after it
  std::vector<StepDifference> step_differences;   // with --every-step
};

bool parse_options(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--case") {
      if (!value(options.only_case)) return false;
    } else if (arg == "--filter") {
      if (!value(options.filter)) return false;
    } else if (arg == "--images") {
      if (!value(text)) return false;
      options.images = text;
    } else if (arg == "--scale") {
      if (!value(text)) return false;
      options.scale = std::clamp(std::atoi(text.c_str()), 1, 32);
    } else if (arg == "--show") {
      options.show = true;
    } else if (arg == "--known-differences") {
      if (!value(text)) return false;
      options.known_differences = text;
    } else if (arg == "--every-step") {
      options.every_step = true;
    } else if (arg == "--known-step-differences") {
      if (!value(text)) return false;
      options.known_step_differences = text;
      options.every_step = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return false;
    } else if (options.folder.empty()) {
      options.folder = arg;
    } else {
      return false;
    }
  }
  return !options.folder.empty();
}

std::set<std::string> read_names(const fs::path& path, bool& ok) {
  std::set<std::string> names;
  std::ifstream file(path);
  ok = static_cast<bool>(file);
  for (std::string line; std::getline(file, line);) {
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string name;
    if (words >> name) names.insert(name);
  }
  return names;
}

// NAME.steps: "LINE HASH" a line, one for each op after `size`.
std::map<int, std::uint64_t> read_steps(const fs::path& path) {
  std::map<int, std::uint64_t> steps;
  std::ifstream file(path);
  int line = 0;
  std::string hash;
  while (file >> line >> hash) steps[line] = std::stoull(hash, nullptr, 16);
  return steps;
}

// The state ops last seen, by what they set, to say what was in force at an op.
class StateInForce {
 public:
  void note(const std::string& op_name, const std::string& text) {
    for (const auto& [prefix, key] : kKinds) {
      if (op_name.rfind(prefix, 0) == 0) {
        state_[key] = text;
        return;
      }
    }
  }
  std::string describe() const {
    std::string out;
    for (const char* key : {"pen", "brush", "xform", "rop2", "clip", "bkmode", "polyfill"}) {
      const auto it = state_.find(key);
      out += std::string("; ") + key + ": " + (it == state_.end() ? "default" : it->second);
    }
    return out;
  }

 private:
  static constexpr std::pair<const char*, const char*> kKinds[] = {
      {"pen", "pen"},       {"upen", "pen"},         {"cpen", "pen"},      {"brush", "brush"},
      {"xform", "xform"},   {"rop2", "rop2"},        {"cliprect", "clip"}, {"clipnone", "clip"},
      {"bkmode", "bkmode"}, {"polyfill", "polyfill"}};
  std::map<std::string, std::string> state_;
};

std::string trimmed_line(const std::vector<std::string>& lines, int line) {
  if (line < 1 || line > static_cast<int>(lines.size())) return {};
  std::string text = lines[static_cast<std::size_t>(line - 1)];
  if (const auto hash = text.find('#'); hash != std::string::npos) text.erase(hash);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.pop_back();
  return text;
}

PixelImage side_by_side(const PixelImage& expected, const PixelImage& actual, int scale) {
  const int gap = 2;
  PixelImage out;
  out.width = (expected.width * 3 + gap * 2) * scale;
  out.height = expected.height * scale;
  out.words.assign(static_cast<std::size_t>(out.width) * out.height, 0x808080u);
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * expected.width + x;
      const std::uint32_t want = expected.words[i] & 0xFFFFFF;
      const std::uint32_t got = actual.words[i] & 0xFFFFFF;
      // Differences in red over a dimmed copy of the expected image.
      const std::uint32_t dim = (want >> 2) & 0x3F3F3F;
      const std::uint32_t cells[3] = {want, got, want == got ? dim : 0xFF0000u};
      for (int panel = 0; panel < 3; ++panel) {
        const int origin = panel * (expected.width + gap) * scale;
        for (int dy = 0; dy < scale; ++dy) {
          for (int dx = 0; dx < scale; ++dx) {
            out.words[static_cast<std::size_t>(y * scale + dy) * out.width + origin + x * scale +
                      dx] = cells[panel];
          }
        }
      }
    }
  }
  return out;
}

void show_text(const Outcome& outcome, const PixelImage& expected, const PixelImage& actual) {
  const int right = std::min(outcome.right + 2, expected.width - 1);
  const int bottom = std::min(outcome.bottom + 2, expected.height - 1);
  const int left = std::max(outcome.left - 2, std::max(0, right - 63));
  const int top = std::max(outcome.top - 2, std::max(0, bottom - 63));
  std::map<std::uint32_t, char> palette;
  const char* symbols = ".#ox+*=@abcdefghijklmnpqrstuvwyz0123456789";
  auto symbol = [&](std::uint32_t word) {
    word &= 0xFFFFFF;
    auto [it, added] = palette.try_emplace(word, '?');
    if (added && palette.size() <= std::strlen(symbols)) it->second = symbols[palette.size() - 1];
    return it->second;
  };
  std::printf("  %s: x %d..%d, y %d..%d (expected | actual | X where they differ)\n",
              outcome.name.c_str(), left, right, top, bottom);
  for (int y = top; y <= bottom; ++y) {
    std::string want, got, diff;
    for (int x = left; x <= right; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * expected.width + x;
      want += symbol(expected.words[i]);
      got += symbol(actual.words[i]);
      diff += ((expected.words[i] ^ actual.words[i]) & 0xFFFFFF) ? 'X' : '.';
    }
    std::printf("  %4d %s | %s | %s\n", y, want.c_str(), got.c_str(), diff.c_str());
  }
  std::printf("  colours:");
  for (const auto& [word, c] : palette) std::printf(" %c=%06X", c, word);
  std::printf("\n");
}

Outcome run_case(const fs::path& script_path, const Options& options) {
  Outcome outcome;
  outcome.name = script_path.stem().string();
  std::ifstream file(script_path);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  Script script;
  std::string error;
  if (!parse_script(text, script, error)) {
    outcome.problem = "invalid script, " + error;
    return outcome;
  }
  // The expected image: NAME.px as rendered, or NAME.png, its colours as the repository keeps them.
  PixelImage expected;
  fs::path image_path = script_path;
  image_path.replace_extension(".px");
  const bool raw = fs::exists(image_path);
  if (!raw) image_path.replace_extension(".png");
  if (!(raw ? read_px(image_path.string(), expected, error)
            : read_png_frame(image_path.string(), 0, script.width, script.height, expected,
                             error))) {
    outcome.problem = error;
    return outcome;
  }
  if (expected.width != script.width || expected.height != script.height) {
    outcome.problem = "expected image is not of the script's size";
    return outcome;
  }
  fs::path steps_path = script_path;
  steps_path.replace_extension(".steps");
  const std::map<int, std::uint64_t> steps = read_steps(steps_path);
  std::vector<std::string> lines;
  {
    std::istringstream all(text);
    for (std::string line; std::getline(all, line);) lines.push_back(line);
  }
  fs::path strip_path = script_path;
  strip_path.replace_extension(".steps.png");
  PixelImage strip;
  const bool every_step = options.every_step && fs::exists(strip_path);
  if (every_step && !read_png(strip_path.string(), strip, error)) {
    outcome.problem = error;
    return outcome;
  }
  // The reference's and the replay's pixels after the op before, to count only what an op changed.
  std::vector<std::uint32_t> reference_before;
  std::vector<std::uint32_t> replay_before;
  PixelImage reference_step;
  StateInForce state;
  int op_index = 0;
  auto observe = [&](const Op& op, const std::uint32_t* pixels, std::size_t count) {
    const std::string op_text = trimmed_line(lines, op.line);
    if (every_step && crop_frame(strip, op_index, script.width, script.height, reference_step) &&
        reference_step.words.size() == count) {
      if (reference_before.empty()) {
        reference_before.assign(count, 0);
        replay_before.assign(count, 0);
      }
      std::size_t changed = 0;
      for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t reference = reference_step.words[i] & 0xFFFFFF;
        const std::uint32_t replayed = pixels[i] & 0xFFFFFF;
        if (reference != replayed &&
            (reference != reference_before[i] || replayed != replay_before[i])) {
          ++changed;
        }
        reference_before[i] = reference;
        replay_before[i] = replayed;
      }
      if (changed > 0) {
        outcome.step_differences.push_back(
            {outcome.name + ":" + std::to_string(op.line), changed, op_text});
      }
    }
    if (outcome.first_step.empty()) {
      const auto want = steps.find(op.line);
      if (want != steps.end() && want->second != surface_hash(pixels, count)) {
        outcome.first_step = "line " + std::to_string(op.line) + ": " + op_text + state.describe();
        outcome.first_step_index = op_index;
        outcome.first_step_surface.assign(pixels, pixels + count);
      }
    }
    state.note(op.name, op_text);
    ++op_index;
  };
  PixelImage actual{script.width, script.height, replay(script, observe)};
  outcome.left = expected.width;
  outcome.top = expected.height;
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * expected.width + x;
      const std::uint32_t difference = expected.words[i] ^ actual.words[i];
      if (raw && (difference & 0xFF000000u)) ++outcome.top_byte_differing;  // PNG keeps none
      if ((difference & 0xFFFFFF) == 0) continue;
      ++outcome.differing;
      outcome.left = std::min(outcome.left, x);
      outcome.top = std::min(outcome.top, y);
      outcome.right = std::max(outcome.right, x);
      outcome.bottom = std::max(outcome.bottom, y);
    }
  }
  if (outcome.differing > 0 && !options.images.empty()) {
    fs::create_directories(options.images);
    write_png((options.images / (outcome.name + ".png")).string(),
              side_by_side(expected, actual, options.scale));
    PixelImage expected_step;
    if (outcome.first_step_index >= 0 && fs::exists(strip_path) &&
        read_png_frame(strip_path.string(), outcome.first_step_index, script.width, script.height,
                       expected_step, error)) {
      const PixelImage actual_step{script.width, script.height, outcome.first_step_surface};
      write_png((options.images / (outcome.name + ".step.png")).string(),
                side_by_side(expected_step, actual_step, options.scale));
    }
  }
  if (outcome.differing > 0 && options.show) show_text(outcome, expected, actual);
  return outcome;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse_options(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::vector<fs::path> scripts;
  std::error_code status;
  for (const auto& entry : fs::directory_iterator(options.folder, status)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".ops") continue;
    const std::string name = path.stem().string();
    if (!options.only_case.empty() && name != options.only_case) continue;
    if (!options.filter.empty() && name.find(options.filter) == std::string::npos) continue;
    scripts.push_back(path);
  }
  if (status) {
    std::fprintf(stderr, "gdi-replay: cannot read %s: %s\n", options.folder.c_str(),
                 status.message().c_str());
    return 2;
  }
  std::sort(scripts.begin(), scripts.end());
  bool known_ok = true;
  const std::set<std::string> known = options.known_differences.empty()
                                          ? std::set<std::string>{}
                                          : read_names(options.known_differences, known_ok);
  if (!known_ok) {
    std::fprintf(stderr, "gdi-replay: cannot read %s\n", options.known_differences.c_str());
    return 2;
  }
  const std::set<std::string> known_steps =
      options.known_step_differences.empty() ? std::set<std::string>{}
                                             : read_names(options.known_step_differences, known_ok);
  if (!known_ok) {
    std::fprintf(stderr, "gdi-replay: cannot read %s\n", options.known_step_differences.c_str());
    return 2;
  }

  std::vector<Outcome> outcomes;
  for (const fs::path& script : scripts) outcomes.push_back(run_case(script, options));

  std::vector<const Outcome*> differing;
  std::size_t exact = 0;
  std::size_t pixels = 0;
  for (const Outcome& outcome : outcomes) {
    if (outcome.problem.empty() && outcome.differing == 0) {
      ++exact;
    } else {
      differing.push_back(&outcome);
      pixels += outcome.differing;
    }
  }
  std::stable_sort(differing.begin(), differing.end(),
                   [](const Outcome* a, const Outcome* b) { return a->differing > b->differing; });
  bool regression = false;
  for (const Outcome* outcome : differing) {
    const bool allowed = known.count(outcome->name) > 0;
    regression |= !options.known_differences.empty() && !allowed;
    const char* mark = options.known_differences.empty() ? "" : allowed ? " (known)" : " (NEW)";
    if (!outcome->problem.empty()) {
      std::printf("%s: %s%s\n", outcome->name.c_str(), outcome->problem.c_str(), mark);
    } else {
      std::printf("%s: %zu pixels differ in x %d..%d, y %d..%d%s\n", outcome->name.c_str(),
                  outcome->differing, outcome->left, outcome->right, outcome->top, outcome->bottom,
                  mark);
      if (!outcome->first_step.empty())
        std::printf("  first differs after %s\n", outcome->first_step.c_str());
    }
  }
  if (options.every_step) {
    std::set<std::string> differing_steps;
    std::size_t cases_with_steps = 0;
    for (const Outcome& outcome : outcomes) {
      cases_with_steps += outcome.step_differences.empty() ? 0 : 1;
      for (const StepDifference& step : outcome.step_differences) {
        differing_steps.insert(step.key);
        const bool allowed = known_steps.count(step.key) > 0;
        regression |= !options.known_step_differences.empty() && !allowed;
        const char* mark = options.known_step_differences.empty() ? ""
                           : allowed                              ? " (known)"
                                                                  : " (NEW)";
        std::printf("%s: step differs in %zu pixels: %s%s\n", step.key.c_str(), step.pixels,
                    step.op.c_str(), mark);
      }
    }
    for (const std::string& key : known_steps) {
      const std::string name = key.substr(0, key.find(':'));
      const bool replayed = std::any_of(outcomes.begin(), outcomes.end(),
                                        [&](const Outcome& o) { return o.name == name; });
      if (replayed && differing_steps.count(key) == 0) {
        std::printf("%s: step now exact; take it off %s\n", key.c_str(),
                    options.known_step_differences.filename().c_str());
      }
    }
    std::printf("steps: %zu ops differ in %zu cases\n", differing_steps.size(), cases_with_steps);
  }
  std::size_t top_bytes = 0;
  for (const Outcome& outcome : outcomes) top_bytes += outcome.top_byte_differing;
  if (top_bytes > 0)
    std::printf("(top bytes differ in %zu pixels; they carry no colour)\n", top_bytes);
  if (!options.known_differences.empty()) {
    for (const Outcome& outcome : outcomes) {
      if (outcome.problem.empty() && outcome.differing == 0 && known.count(outcome.name) > 0) {
        std::printf("%s: now exact; take it off %s\n", outcome.name.c_str(),
                    options.known_differences.filename().c_str());
      }
    }
  }
  std::printf("gdi-reference: %zu of %zu cases exact, %zu pixels differ\n", exact, outcomes.size(),
              pixels);
  return regression ? 1 : 0;
}
