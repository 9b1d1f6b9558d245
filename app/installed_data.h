// The folder an installed kanvo-quiz keeps its voice clips in, found from where the program file
// is (share/kanvo-quiz beside bin/), so that an installation under any prefix finds them.
#pragma once

#include <filesystem>

namespace kanvo::app {

// Empty when the program's own file cannot be found.
std::filesystem::path installed_data_folder();

}  // namespace kanvo::app
