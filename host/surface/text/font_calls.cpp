// Font objects: the description a font was created from, kept exactly, and the font made for it.
#include "host/surface/objects/object_table.h"
#include "host/surface/surface.h"
#include "host/surface/text/font.h"

namespace kanvo::surface {

ObjectHandle create_font_indirect(const LogFont& description) {
  FontObject font;
  font.description = description;
  // A face name fills at most 31 bytes and its terminating zero.
  font.description.face_name.back() = '\0';
  font.font = text::Font::realise(font.description);
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
