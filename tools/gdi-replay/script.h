// Drawing scripts (NAME.ops): one op per line, integer and float arguments, `#` comments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kanvo::gdi_replay {

struct Op {
  int line = 0;
  std::string name;  // with the subkind for two-word ops: "brush solid", "xform identity"
  std::vector<std::int64_t> ints;
  std::vector<double> floats;  // only for "xform"
};

struct Script {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Op> ops;  // after `size`
};

// Parses a script; on failure returns false and sets `error` to "line N: what is wrong".
bool parse_script(const std::string& text, Script& script, std::string& error);

}  // namespace kanvo::gdi_replay
