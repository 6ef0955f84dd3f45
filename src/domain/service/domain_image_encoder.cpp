#include "domain/service/domain_image_encoder.h"

#include "domain/service/domain_bmp_encoder.h"
#include "domain/service/domain_gif_encoder.h"
#include "domain/service/domain_jpeg_encoder.h"
#include "domain/service/domain_png_encoder.h"
#include "domain/service/domain_tiff_encoder.h"
#include "domain/service/pdf_service.h"

std::unique_ptr<DomainImageEncoder> DomainImageEncoder::ForFormat(int format) {
  switch (format) {
    case PDF_FORMAT_PNG: return std::make_unique<DomainPngEncoder>();
    case PDF_FORMAT_TIF: return std::make_unique<DomainTiffEncoder>();
    case PDF_FORMAT_JPG: return std::make_unique<DomainJpegEncoder>();
    case PDF_FORMAT_BMP: return std::make_unique<DomainBmpEncoder>();
    case PDF_FORMAT_GIF: return std::make_unique<DomainGifEncoder>();
    default: return nullptr;
  }
}

FILE* DomainImageEncoder::OpenForWriting(const std::string& path_utf8) {
  FILE* file = Utf8Fopen(path_utf8.c_str(), "wb");
  if (file != nullptr) std::setvbuf(file, nullptr, _IOFBF, 1 << 18);
  return file;
}

bool DomainImageEncoder::CloseChecked(FILE* file) {
  const bool flushed = std::fflush(file) == 0 && std::ferror(file) == 0;
  return (std::fclose(file) == 0) && flushed;
}
