#include "domain/service/domain_tiff_encoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <tiffio.h>

namespace {

// Two lossless codecs that every TIFF reader knows.  Pages of text and line
// art are mostly runs of paper colour: PackBits shrinks them more than
// eightfold at a third of the cost of deflate.  Pages where it does worse
// (pictures, shading) use deflate at level 1 through zlib; measured on
// rendered pages, that is faster than libdeflate's level 1, and the
// horizontal predictor makes text pages larger and slower.
constexpr int kDeflateLevel = 1;
constexpr tmsize_t kStripBytes = 256 * 1024;
constexpr int kPackBitsMinRatio = 8;
constexpr uint32_t kSampleEveryStrips = 8;

// PackBits of one row (TIFF 6.0, section 9): runs of 3 or more equal bytes
// become a repeat code, everything else literal blocks of up to 128 bytes.
// Appends to `out`.
void PackRow(const unsigned char* in, size_t length, std::vector<unsigned char>* out) {
  size_t i = 0;
  while (i < length) {
    size_t run = 1;
    while (i + run < length && run < 128 && in[i + run] == in[i]) ++run;
    if (run >= 3) {
      out->push_back(static_cast<unsigned char>(257 - run));
      out->push_back(in[i]);
      i += run;
      continue;
    }
    size_t end = i;
    while (end < length && end - i < 128 &&
           !(end + 2 < length && in[end] == in[end + 1] && in[end] == in[end + 2])) {
      ++end;
    }
    out->push_back(static_cast<unsigned char>(end - i - 1));
    out->insert(out->end(), in + i, in + end);
    i = end;
  }
}

void PackStrip(const DomainRgbView& image, int top, int rows, std::vector<unsigned char>* out) {
  out->clear();
  for (int y = top; y < top + rows; ++y) PackRow(image.Row(y), static_cast<size_t>(image.width) * 3, out);
}

// Packs every eighth strip to see whether PackBits pays on this page.
bool PackBitsPays(const DomainRgbView& image, uint32_t rows_per_strip) {
  std::vector<unsigned char> packed;
  size_t raw_total = 0;
  size_t packed_total = 0;
  const int step = static_cast<int>(rows_per_strip * kSampleEveryStrips);
  for (int top = 0; top < image.height; top += step) {
    const int rows = std::min<int>(static_cast<int>(rows_per_strip), image.height - top);
    PackStrip(image, top, rows, &packed);
    raw_total += static_cast<size_t>(rows) * image.width * 3;
    packed_total += packed.size();
  }
  return packed_total * kPackBitsMinRatio <= raw_total;
}

int IgnoreMessage(TIFF*, void*, const char*, const char*, va_list) { return 1; }

TIFF* OpenQuietly(const std::string& path_utf8) {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (options == nullptr) return nullptr;
  TIFFOpenOptionsSetErrorHandlerExtR(options, IgnoreMessage, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options, IgnoreMessage, nullptr);
  TIFF* tiff = TIFFOpenExt(path_utf8.c_str(), "w", options);
  TIFFOpenOptionsFree(options);
  return tiff;
}

bool SetFields(TIFF* tiff, const DomainRgbView& image, uint32_t rows_per_strip, bool packbits) {
  const float dpi = static_cast<float>(image.dpi);
  return TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(image.width)) &&
         TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(image.height)) &&
         TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) && TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3) &&
         TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
         TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
         TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
         (packbits ? TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_PACKBITS)
                   : TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE) &&
                         TIFFSetField(tiff, TIFFTAG_DEFLATE_SUBCODEC, DEFLATE_SUBCODEC_ZLIB) &&
                         TIFFSetField(tiff, TIFFTAG_ZIPQUALITY, kDeflateLevel)) &&
         TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, rows_per_strip) &&
         TIFFSetField(tiff, TIFFTAG_XRESOLUTION, dpi) && TIFFSetField(tiff, TIFFTAG_YRESOLUTION, dpi) &&
         TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
}

bool WritePackedStrips(TIFF* tiff, const DomainRgbView& image, uint32_t rows_per_strip) {
  std::vector<unsigned char> packed;
  uint32_t index = 0;
  for (int top = 0; top < image.height; top += static_cast<int>(rows_per_strip), ++index) {
    const int rows = std::min<int>(static_cast<int>(rows_per_strip), image.height - top);
    PackStrip(image, top, rows, &packed);
    if (TIFFWriteRawStrip(tiff, index, packed.data(), static_cast<tmsize_t>(packed.size())) < 0) return false;
  }
  return true;
}

// Codecs may work in the buffer they are given, so every strip is copied out
// of the rendered page first (a small cost next to compression).
bool WriteDeflatedStrips(TIFF* tiff, const DomainRgbView& image, uint32_t rows_per_strip) {
  const tmsize_t row_bytes = static_cast<tmsize_t>(image.width) * 3;
  std::vector<unsigned char> strip(static_cast<size_t>(row_bytes) * rows_per_strip);
  uint32_t index = 0;
  for (int top = 0; top < image.height; top += static_cast<int>(rows_per_strip), ++index) {
    const int rows = std::min<int>(static_cast<int>(rows_per_strip), image.height - top);
    for (int y = 0; y < rows; ++y) {
      std::memcpy(strip.data() + y * row_bytes, image.Row(top + y), static_cast<size_t>(row_bytes));
    }
    if (TIFFWriteEncodedStrip(tiff, index, strip.data(), row_bytes * rows) < 0) return false;
  }
  return true;
}

}  // namespace

bool DomainTiffEncoder::Write(const DomainRgbView& image, const std::string& path_utf8) const {
  TIFF* tiff = OpenQuietly(path_utf8);
  if (tiff == nullptr) return false;
  const tmsize_t row_bytes = static_cast<tmsize_t>(image.width) * 3;
  const uint32_t rows_per_strip =
      static_cast<uint32_t>(std::max<tmsize_t>(1, kStripBytes / std::max<tmsize_t>(1, row_bytes)));
  const bool packbits = PackBitsPays(image, rows_per_strip);
  bool written = SetFields(tiff, image, rows_per_strip, packbits) &&
                 (packbits ? WritePackedStrips(tiff, image, rows_per_strip)
                           : WriteDeflatedStrips(tiff, image, rows_per_strip));
  written = TIFFFlush(tiff) == 1 && written;
  TIFFClose(tiff);
  return written;
}
