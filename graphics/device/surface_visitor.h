// A non-owning reference to a callable taking a surface: how the devices apply one call to each of
// their surfaces without allocating.
#pragma once

#include <memory>
#include <type_traits>

#include "graphics/platform/drawing_surface.h"

namespace kanvo {

class SurfaceVisitor {
 public:
  template <typename Callable,
            typename = std::enable_if_t<!std::is_same_v<std::decay_t<Callable>, SurfaceVisitor>>>
  SurfaceVisitor(Callable&& callable)  // NOLINT: converts from any callable on purpose
      : object_(std::addressof(callable)), call_([](void* object, SurfaceHandle surface) {
          (*static_cast<std::remove_reference_t<Callable>*>(object))(surface);
        }) {}

  void operator()(SurfaceHandle surface) const { call_(object_, surface); }

 private:
  void* object_;
  void (*call_)(void*, SurfaceHandle);
};

}  // namespace kanvo
