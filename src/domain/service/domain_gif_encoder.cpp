#include "domain/service/domain_gif_encoder.h"

#include <cstdio>
#include <memory>
#include <vector>

#include <gif_lib.h>
#include <libimagequant.h>

namespace {

// A speed between the quantiser's best and fastest: pages are large, and
// its fastest settings band smooth images visibly.
constexpr int kQuantizerSpeed = 8;

struct RgbRows {
  const DomainRgbView* image;
};

// libimagequant reads RGBA; convert one row at a time so the page is never
// held twice.
void FillRgbaRow(liq_color row_out[], int row, int width, void* user_info) {
  const DomainRgbView* image = static_cast<RgbRows*>(user_info)->image;
  const unsigned char* source = image->Row(row);
  for (int x = 0; x < width; ++x) {
    row_out[x].r = source[x * 3];
    row_out[x].g = source[x * 3 + 1];
    row_out[x].b = source[x * 3 + 2];
    row_out[x].a = 255;
  }
}

struct LiqDeleter {
  void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
  void operator()(liq_image* image) const { liq_image_destroy(image); }
  void operator()(liq_result* result) const { liq_result_destroy(result); }
};

// Palette and one palette index per pixel.
struct IndexedImage {
  std::vector<GifColorType> palette;
  std::vector<unsigned char> indices;
};

bool Quantize(const DomainRgbView& image, IndexedImage* out) {
  std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
  if (!attr || liq_set_speed(attr.get(), kQuantizerSpeed) != LIQ_OK) return false;
  RgbRows rows{&image};
  std::unique_ptr<liq_image, LiqDeleter> input(
      liq_image_create_custom(attr.get(), FillRgbaRow, &rows, image.width, image.height, 0));
  if (!input) return false;
  liq_result* raw_result = nullptr;
  if (liq_image_quantize(input.get(), attr.get(), &raw_result) != LIQ_OK) return false;
  std::unique_ptr<liq_result, LiqDeleter> result(raw_result);
  liq_set_dithering_level(result.get(), 1.0f);
  out->indices.resize(static_cast<size_t>(image.width) * image.height);
  if (liq_write_remapped_image(result.get(), input.get(), out->indices.data(), out->indices.size()) !=
      LIQ_OK) {
    return false;
  }
  const liq_palette* palette = liq_get_palette(result.get());
  for (unsigned i = 0; i < palette->count; ++i) {
    out->palette.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
  }
  return true;
}

int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
  FILE* file = static_cast<FILE*>(gif->UserData);
  return static_cast<int>(std::fwrite(bytes, 1, static_cast<size_t>(length), file));
}

// GIF colour tables hold a power of two entries.
ColorMapObject* MakeColorMap(const std::vector<GifColorType>& palette) {
  int size = 2;
  while (size < static_cast<int>(palette.size())) size *= 2;
  std::vector<GifColorType> padded(palette);
  padded.resize(static_cast<size_t>(size), GifColorType{0, 0, 0});
  return GifMakeMapObject(size, padded.data());
}

bool Encode(const IndexedImage& indexed, const DomainRgbView& image, FILE* file) {
  int error = 0;
  GifFileType* gif = EGifOpen(file, WriteToFile, &error);
  if (gif == nullptr) return false;
  ColorMapObject* map = MakeColorMap(indexed.palette);
  bool written = map != nullptr &&
                 EGifPutScreenDesc(gif, image.width, image.height, map->BitsPerPixel, 0, map) == GIF_OK &&
                 EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
  for (int y = 0; y < image.height && written; ++y) {
    GifPixelType* line = const_cast<GifPixelType*>(indexed.indices.data()) + static_cast<size_t>(y) * image.width;
    written = EGifPutLine(gif, line, image.width) == GIF_OK;
  }
  written = EGifCloseFile(gif, &error) == GIF_OK && written;
  GifFreeMapObject(map);
  return written;
}

}  // namespace

bool DomainGifEncoder::Write(const DomainRgbView& image, const std::string& path_utf8) const {
  if (image.width > 65535 || image.height > 65535) return false;
  IndexedImage indexed;
  if (!Quantize(image, &indexed)) return false;
  FILE* file = OpenForWriting(path_utf8);
  if (file == nullptr) return false;
  const bool written = Encode(indexed, image, file);
  return CloseChecked(file) && written;
}
