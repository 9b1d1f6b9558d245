// Font objects: the description a font was created from. Rendering data is attached by the text
// code.
#include "host/surface/objects/object_table.h"
#include "host/surface/surface.h"

namespace kanvo::surface {

ObjectHandle create_font_indirect(const LogFont& description) {
  FontObject font;
  font.description = description;
  font.description.face_name.back() = '\0';
  return add_object(std::move(font));
}

bool get_font_description(ObjectHandle handle, LogFont* description) {
  if (description == nullptr) return false;
  PinnedObject<FontObject> font(handle);
  if (!font) return false;
  *description = font->description;
  return true;
}

}  // namespace kanvo::surface
