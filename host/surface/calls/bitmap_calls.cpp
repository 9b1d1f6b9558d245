// Bitmaps: creation, description and reading their bits.
#include <cstring>
#include <new>

#include "host/surface/dc/device_context.h"
#include "host/surface/objects/object_table.h"
#include "host/surface/surface.h"

namespace kanvo::surface {
namespace {

// Larger bitmaps are refused rather than allocated: 2^28 bytes is 8192 x 8192 pixel words.
constexpr std::int64_t kMaxBitmapBytes = std::int64_t{1} << 28;

std::int32_t stride_of(std::int32_t width, std::uint32_t bits_per_pixel) {
  return bits_per_pixel == 1 ? (width + 15) / 16 * 2 : width * 4;
}

// A zero-filled bitmap, or an empty one (null bits) when the size is refused.
BitmapObject allocate_bitmap(std::int32_t width, std::int32_t height,
                             std::uint16_t bits_per_pixel) {
  BitmapObject bitmap;
  if (width <= 0 || height <= 0 || width > (1 << 24) || height > (1 << 24)) return bitmap;
  const std::int32_t stride = stride_of(width, bits_per_pixel);
  const std::int64_t bytes = std::int64_t{stride} * height;
  if (bytes > kMaxBitmapBytes) return bitmap;
  bitmap.storage.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(bytes)]());
  if (bitmap.storage == nullptr) return bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.stride_bytes = stride;
  bitmap.bits_per_pixel = bits_per_pixel;
  bitmap.bits = bitmap.storage.get();
  return bitmap;
}

}  // namespace

ObjectHandle create_dib_section(std::int32_t width, std::int32_t height, PixelWord** bits) {
  if (bits != nullptr) *bits = nullptr;
  BitmapObject bitmap = allocate_bitmap(width, height, 32);
  if (bitmap.bits == nullptr) return kNoObject;
  PixelWord* first = reinterpret_cast<PixelWord*>(bitmap.bits);
  const ObjectHandle handle = add_object(std::move(bitmap));
  if (handle != kNoObject && bits != nullptr) *bits = first;
  return handle;
}

ObjectHandle create_dib_section_over(PixelWord* pixels, std::int32_t width, std::int32_t height) {
  if (pixels == nullptr || width <= 0 || height <= 0 ||
      std::int64_t{width} * height * 4 > kMaxBitmapBytes) {
    return kNoObject;
  }
  BitmapObject bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.stride_bytes = width * 4;
  bitmap.bits_per_pixel = 32;
  bitmap.bits = reinterpret_cast<std::uint8_t*>(pixels);
  return add_object(std::move(bitmap));
}

ObjectHandle create_bitmap(std::int32_t width, std::int32_t height, std::uint32_t planes,
                           std::uint32_t bits_per_pixel, const void* bits) {
  if (planes != 1 || (bits_per_pixel != 1 && bits_per_pixel != 32)) return kNoObject;
  // An empty size gives a 1 by 1 monochrome bitmap.
  const bool empty = width == 0 || height == 0;
  BitmapObject bitmap =
      empty ? allocate_bitmap(1, 1, 1)
            : allocate_bitmap(width, height, static_cast<std::uint16_t>(bits_per_pixel));
  if (bitmap.bits == nullptr) return kNoObject;
  if (bits != nullptr && !empty) {
    std::memcpy(bitmap.bits, bits, static_cast<std::size_t>(bitmap.stride_bytes) * height);
  }
  return add_object(std::move(bitmap));
}

bool get_bitmap_info(ObjectHandle handle, BitmapInfo* info) {
  if (info == nullptr) return false;
  PinnedObject<BitmapObject> bitmap(handle);
  if (!bitmap) return false;
  info->width = bitmap->width;
  info->height = bitmap->height;
  info->stride_bytes = bitmap->stride_bytes;
  info->planes = 1;
  info->bits_per_pixel = bitmap->bits_per_pixel;
  info->bits = bitmap->bits;
  return true;
}

std::int32_t get_dib_bits(DcHandle dc, ObjectHandle handle, std::int32_t start, std::int32_t lines,
                          void* bits, BitmapInfoHeader* info) {
  if (info == nullptr || (dc != kNoDc && context_of(dc) == nullptr)) return 0;
  PinnedObject<BitmapObject> bitmap(handle);
  if (!bitmap || bitmap->bits == nullptr) return 0;
  if (info->bit_count == 0) {
    // Only the description is asked for.
    info->width = bitmap->width;
    info->height = bitmap->height;
    info->planes = 1;
    info->bit_count = bitmap->bits_per_pixel;
    info->compression = 0;
  }
  const std::uint32_t out_bits = info->bit_count;
  if ((out_bits != 1 && out_bits != 32) || info->compression != 0 || info->width != bitmap->width) {
    return 0;
  }
  const std::int32_t width = bitmap->width;
  const std::int32_t height = bitmap->height;
  const std::size_t out_stride = ((static_cast<std::size_t>(width) * out_bits + 31) / 32) * 4;
  info->size_image = static_cast<std::uint32_t>(out_stride * static_cast<std::size_t>(height));
  if (bits == nullptr) return height;
  if (out_bits == 1 && bitmap->bits_per_pixel != 1) return 0;  // no colour reduction

  const bool top_down = info->height < 0;
  if (start < 0 || lines <= 0 || start >= height) return 0;
  const std::int32_t count = std::min(lines, height - start);
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t out_row = start + i;  // in the header's row order
    const std::int32_t y = top_down ? out_row : height - 1 - out_row;
    std::uint8_t* destination = out + out_stride * static_cast<std::size_t>(i);
    if (out_bits == 1) {
      std::memset(destination, 0, out_stride);
      std::memcpy(destination, bitmap->bits + static_cast<std::ptrdiff_t>(y) * bitmap->stride_bytes,
                  static_cast<std::size_t>(width + 7) / 8);
    } else if (bitmap->bits_per_pixel == 1) {
      auto* words = reinterpret_cast<PixelWord*>(destination);
      for (std::int32_t x = 0; x < width; ++x) words[x] = bitmap->mono_bit(x, y) ? 0xFFFFFFu : 0;
    } else {
      std::memcpy(destination, bitmap->row32(y), static_cast<std::size_t>(width) * 4);
    }
  }
  return count;
}

}  // namespace kanvo::surface
