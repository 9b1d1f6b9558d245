// Files embedded into a program at build time, found by type and name. The CMake function
// kanvo_embed_resources generates the registrations; nothing is read from disk at run time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace kanvo {

// Called by the generated registration code before main. Type and name are compared without
// regard to ASCII case; a later registration of the same type and name replaces the earlier.
void register_resource(const char* type, const char* name, std::span<const std::uint8_t> bytes);

std::optional<std::span<const std::uint8_t>> find_resource(const char* type, const char* name);

// Registers at static initialisation: one object per embedded file.
struct ResourceRegistration {
  ResourceRegistration(const char* type, const char* name, std::span<const std::uint8_t> bytes) {
    register_resource(type, name, bytes);
  }
};

}  // namespace kanvo
