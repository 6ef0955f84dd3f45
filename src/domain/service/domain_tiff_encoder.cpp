#include "domain/service/domain_tiff_encoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <tiffio.h>

namespace {

// Deflate at level 1 through zlib: lossless, read by every TIFF reader, and
// small for rendered pages.  Measured on rendered pages, zlib's level 1 is
// faster here than libdeflate's, and the horizontal predictor makes text
// pages larger and slower, so it is left out.
constexpr int kDeflateLevel = 1;
constexpr tmsize_t kStripBytes = 256 * 1024;

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

bool SetFields(TIFF* tiff, const DomainRgbView& image, uint32_t rows_per_strip) {
  const float dpi = static_cast<float>(image.dpi);
  return TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(image.width)) &&
         TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(image.height)) &&
         TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) && TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3) &&
         TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
         TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
         TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
         TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE) &&
         TIFFSetField(tiff, TIFFTAG_DEFLATE_SUBCODEC, DEFLATE_SUBCODEC_ZLIB) &&
         TIFFSetField(tiff, TIFFTAG_ZIPQUALITY, kDeflateLevel) &&
         TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, rows_per_strip) &&
         TIFFSetField(tiff, TIFFTAG_XRESOLUTION, dpi) && TIFFSetField(tiff, TIFFTAG_YRESOLUTION, dpi) &&
         TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
}

// Codecs may work in the buffer they are given, so every strip is copied out
// of the rendered page first (a small cost next to compression).
bool WriteStrips(TIFF* tiff, const DomainRgbView& image, uint32_t rows_per_strip) {
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
  bool written = SetFields(tiff, image, rows_per_strip) && WriteStrips(tiff, image, rows_per_strip);
  written = TIFFFlush(tiff) == 1 && written;
  TIFFClose(tiff);
  return written;
}
