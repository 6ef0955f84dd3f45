#include "domain/service/domain_png_encoder.h"

#include <cstdio>

#include <png.h>
#include <zlib.h>

namespace {

// Rendered pages are mostly flat colour: a cheap filter and fast deflate
// give nearly the size of the default settings at a fraction of the time.
constexpr int kZlibLevel = 2;
constexpr int kFilters = PNG_FILTER_SUB;

void IgnoreWarning(png_structp, png_const_charp) {}

[[noreturn]] void JumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void SetUp(png_structp png, png_infop info, const DomainRgbView& image) {
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  const png_uint_32 per_metre = static_cast<png_uint_32>(image.dpi / 0.0254 + 0.5);
  png_set_pHYs(png, info, per_metre, per_metre, PNG_RESOLUTION_METER);
  png_set_compression_level(png, kZlibLevel);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilters);
}

// Kept apart from C++ objects: libpng reports errors with longjmp.
bool Compress(const DomainRgbView& image, FILE* file) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  SetUp(png, info, image);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y) png_write_row(png, image.Row(y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool DomainPngEncoder::Write(const DomainRgbView& image, const std::string& path_utf8) const {
  FILE* file = OpenForWriting(path_utf8);
  if (file == nullptr) return false;
  const bool compressed = Compress(image, file);
  return CloseChecked(file) && compressed;
}
