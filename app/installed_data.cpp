#include "app/installed_data.h"

#include <system_error>

namespace kanvo::app {

std::filesystem::path installed_data_folder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return (program.parent_path() / KANVO_QUIZ_DATA_FROM_PROGRAM).lexically_normal();
}

}  // namespace kanvo::app
