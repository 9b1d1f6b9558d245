#include "graphics/files/resources.h"

#include <mutex>
#include <string>
#include <vector>

namespace kanvo {
namespace {

struct Resource {
  std::string type;
  std::string name;
  std::span<const std::uint8_t> bytes;
};

struct Registry {
  std::mutex lock;
  std::vector<Resource> resources;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

bool same_name(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    const auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return i == a.size() && b[i] == '\0';
}

}  // namespace

void register_resource(const char* type, const char* name, std::span<const std::uint8_t> bytes) {
  if (type == nullptr || name == nullptr) return;
  Registry& r = registry();
  std::lock_guard guard(r.lock);
  for (Resource& resource : r.resources) {
    if (same_name(resource.type, type) && same_name(resource.name, name)) {
      resource.bytes = bytes;
      return;
    }
  }
  r.resources.push_back({type, name, bytes});
}

std::optional<std::span<const std::uint8_t>> find_resource(const char* type, const char* name) {
  if (type == nullptr || name == nullptr) return std::nullopt;
  Registry& r = registry();
  std::lock_guard guard(r.lock);
  for (const Resource& resource : r.resources) {
    if (same_name(resource.type, type) && same_name(resource.name, name)) return resource.bytes;
  }
  return std::nullopt;
}

}  // namespace kanvo
