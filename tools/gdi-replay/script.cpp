#include "tools/gdi-replay/script.h"

#include <charconv>
#include <cstdlib>
#include <sstream>

namespace kanvo::gdi_replay {
namespace {

enum class Count { exact, pattern_rows, user_dashes, point_pairs };

struct OpShape {
  const char* name;
  int fixed;  // integer (or float) arguments before any variable part
  Count count = Count::exact;
  bool floats = false;
};

// Argument counts of every op; variable parts follow a count given among the fixed arguments.
constexpr OpShape kOps[] = {
    {"fill", 1},
    {"pen", 3},
    {"upen", 4, Count::user_dashes},
    {"cpen", 3},
    {"brush solid", 1},
    {"brush null", 0},
    {"brush hatch", 2},
    {"brush pattern", 2, Count::pattern_rows},
    {"rop2", 1},
    {"polyfill", 1},
    {"bkmode", 1},
    {"bkcolor", 1},
    {"textcolor", 1},
    {"brushorg", 2},
    {"xform", 6, Count::exact, true},
    {"xform identity", 0},
    {"cliprect", 4},
    {"clipnone", 0},
    {"moveto", 2},
    {"lineto", 2},
    {"rect", 4},
    {"ellipse", 4},
    {"roundrect", 6},
    {"arc", 8},
    {"pie", 8},
    {"chord", 8},
    {"polyline", 1, Count::point_pairs},
    {"polygon", 1, Count::point_pairs},
    {"floodfill", 3},
    {"floodsurface", 3},
    {"setpixel", 3},
    {"patblt", 5},
    {"blt", 7},
    {"fillrect", 5},
};

bool parse_int(const std::string& token, std::int64_t& value) {
  std::string_view text = token;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  std::uint64_t magnitude = 0;
  const auto [end, status] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (status != std::errc{} || end != text.data() + text.size() || text.empty() ||
      magnitude > 0xFFFFFFFFu) {
    return false;
  }
  // Values are passed as 32-bit words: 0xFFFFFFFF and -1 are the same argument.
  const auto word = static_cast<std::uint32_t>(negative ? 0u - magnitude : magnitude);
  value = static_cast<std::int32_t>(word);
  return true;
}

bool parse_float(const std::string& token, double& value) {
  char* end = nullptr;
  value = std::strtod(token.c_str(), &end);
  return !token.empty() && end == token.c_str() + token.size();
}

}  // namespace

bool parse_script(const std::string& text, Script& script, std::string& error) {
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  bool sized = false;
  auto fail = [&](const std::string& what) {
    error = "line " + std::to_string(number) + ": " + what;
    return false;
  };
  while (std::getline(lines, line)) {
    ++number;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::vector<std::string> tokens;
    for (std::string token; words >> token;) tokens.push_back(token);
    if (tokens.empty()) continue;

    if (tokens[0] == "size") {
      std::int64_t width = 0;
      std::int64_t height = 0;
      if (sized) return fail("'size' may only be the first op");
      if (tokens.size() != 3)
        return fail("'size' takes 2 arguments, got " + std::to_string(tokens.size() - 1));
      if (!parse_int(tokens[1], width) || !parse_int(tokens[2], height) || width <= 0 ||
          height <= 0 || width > 16384 || height > 16384) {
        return fail("'size' needs two positive integers up to 16384");
      }
      script.width = static_cast<std::int32_t>(width);
      script.height = static_cast<std::int32_t>(height);
      sized = true;
      continue;
    }
    if (!sized) return fail("the first op must be 'size'");

    Op op;
    op.line = number;
    std::size_t first_argument = 1;
    const OpShape* shape = nullptr;
    for (const OpShape& candidate : kOps) {
      const std::string_view name = candidate.name;
      const auto space = name.find(' ');
      if (space == std::string_view::npos) {
        if (tokens[0] == name) shape = &candidate;
      } else if (tokens[0] == name.substr(0, space) && tokens.size() > 1 &&
                 tokens[1] == name.substr(space + 1)) {
        shape = &candidate;
        first_argument = 2;
        break;
      }
    }
    if (shape == nullptr) {
      if (tokens[0] == "brush")
        return fail("unknown brush kind '" + (tokens.size() > 1 ? tokens[1] : "") + "'");
      return fail("unknown op '" + tokens[0] + "'");
    }
    op.name = shape->name;
    const std::size_t given = tokens.size() - first_argument;
    if (shape->floats) {
      if (given != static_cast<std::size_t>(shape->fixed)) {
        return fail("'" + op.name + "' takes " + std::to_string(shape->fixed) + " arguments, got " +
                    std::to_string(given));
      }
      for (std::size_t i = first_argument; i < tokens.size(); ++i) {
        double value = 0;
        if (!parse_float(tokens[i], value)) return fail("'" + tokens[i] + "' is not a number");
        op.floats.push_back(value);
      }
      script.ops.push_back(std::move(op));
      continue;
    }
    for (std::size_t i = first_argument; i < tokens.size(); ++i) {
      std::int64_t value = 0;
      if (!parse_int(tokens[i], value)) return fail("'" + tokens[i] + "' is not a 32-bit integer");
      op.ints.push_back(value);
    }
    std::size_t expected = static_cast<std::size_t>(shape->fixed);
    if (op.ints.size() >= expected) {
      switch (shape->count) {
        case Count::exact:
          break;
        case Count::pattern_rows:  // W H then H rows
          if (op.ints[0] < 1 || op.ints[0] > 64 || op.ints[1] < 1 || op.ints[1] > 256) {
            return fail("'brush pattern' needs a width of 1 to 64 and a height of 1 to 256");
          }
          expected += static_cast<std::size_t>(op.ints[1]);
          break;
        case Count::user_dashes:  // STYLE WIDTH C N then N lengths
          if (op.ints[3] < 0 || op.ints[3] > 1024) return fail("'upen' dash count out of range");
          expected += static_cast<std::size_t>(op.ints[3]);
          break;
        case Count::point_pairs:  // N then N points
          if (op.ints[0] < 0 || op.ints[0] > 100000) {
            return fail("'" + op.name + "' point count out of range");
          }
          expected += 2 * static_cast<std::size_t>(op.ints[0]);
          break;
      }
    }
    if (op.ints.size() != expected) {
      return fail("'" + op.name + "' takes " + std::to_string(expected) + " arguments, got " +
                  std::to_string(op.ints.size()));
    }
    script.ops.push_back(std::move(op));
  }
  if (!sized) return fail("no 'size' op");
  return true;
}

}  // namespace kanvo::gdi_replay
