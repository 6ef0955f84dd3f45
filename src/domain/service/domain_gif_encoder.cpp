#include "domain/service/domain_gif_encoder.h"

#include <cstdint>
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

unsigned char NearestEntry(const std::vector<GifColorType>& palette, const unsigned char* pixel) {
  int best = 0;
  int best_distance = 1 << 30;
  for (size_t i = 0; i < palette.size(); ++i) {
    const int dr = palette[i].Red - pixel[0];
    const int dg = palette[i].Green - pixel[1];
    const int db = palette[i].Blue - pixel[2];
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) {
      best_distance = distance;
      best = static_cast<int>(i);
    }
  }
  return static_cast<unsigned char>(best);
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

// Pages of text and line art often use at most 256 colours: they are stored
// exactly, without quantising.  False when the page has more colours.
bool IndexExactly(const DomainRgbView& image, IndexedImage* out) {
  constexpr std::uint32_t kSlots = 1024;  // open addressing, at most 1/4 full
  constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
  std::vector<std::uint32_t> keys(kSlots, kEmpty);
  std::vector<unsigned char> slot_index(kSlots, 0);
  out->indices.resize(static_cast<size_t>(image.width) * image.height);
  out->palette.clear();
  std::uint32_t last_key = kEmpty;
  unsigned char last_index = 0;
  for (int y = 0; y < image.height; ++y) {
    const unsigned char* row = image.Row(y);
    unsigned char* indices = out->indices.data() + static_cast<size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t key =
          (std::uint32_t{row[x * 3]} << 16) | (std::uint32_t{row[x * 3 + 1]} << 8) | row[x * 3 + 2];
      if (key != last_key) {
        std::uint32_t slot = (key * 2654435761u) >> 22;
        while (keys[slot] != kEmpty && keys[slot] != key) slot = (slot + 1) & (kSlots - 1);
        if (keys[slot] == kEmpty) {
          if (out->palette.size() == 256) return false;
          keys[slot] = key;
          slot_index[slot] = static_cast<unsigned char>(out->palette.size());
          out->palette.push_back({row[x * 3], row[x * 3 + 1], row[x * 3 + 2]});
        }
        last_key = key;
        last_index = slot_index[slot];
      }
      indices[x] = last_index;
    }
  }
  return true;
}

// The nearest palette entry of every pixel.  libimagequant's own remapping
// costs ten times its palette search on a page; pages repeat few colours, so
// a cache in front of a plain search is much faster.  No dithering: it
// would defeat the cache and speckle flat areas of text pages.
void RemapNearest(const DomainRgbView& image, IndexedImage* out) {
  constexpr std::uint32_t kCacheSlots = 1u << 16;
  constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
  std::vector<std::uint32_t> cached_key(kCacheSlots, kEmpty);
  std::vector<unsigned char> cached_index(kCacheSlots, 0);
  out->indices.resize(static_cast<size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    const unsigned char* row = image.Row(y);
    unsigned char* indices = out->indices.data() + static_cast<size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) {
      const unsigned char* pixel = row + x * 3;
      const std::uint32_t key = (std::uint32_t{pixel[0]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[2];
      const std::uint32_t slot = (key * 2654435761u) >> 16;
      if (cached_key[slot] != key) {
        cached_key[slot] = key;
        cached_index[slot] = NearestEntry(out->palette, pixel);
      }
      indices[x] = cached_index[slot];
    }
  }
}

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
  const liq_palette* palette = liq_get_palette(result.get());
  out->palette.clear();
  for (unsigned i = 0; i < palette->count; ++i) {
    out->palette.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
  }
  if (out->palette.empty()) return false;
  RemapNearest(image, out);
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
    GifPixelType* line =
        const_cast<GifPixelType*>(indexed.indices.data()) + static_cast<size_t>(y) * image.width;
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
  if (!IndexExactly(image, &indexed)) {
    indexed = IndexedImage();
    if (!Quantize(image, &indexed)) return false;
  }
  FILE* file = OpenForWriting(path_utf8);
  if (file == nullptr) return false;
  const bool written = Encode(indexed, image, file);
  return CloseChecked(file) && written;
}
