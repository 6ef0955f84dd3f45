#include "domain/service/domain_bmp_encoder.h"

#include <cstdint>
#include <vector>

namespace {

void PutLe16(std::vector<unsigned char>* out, std::uint16_t value) {
  out->push_back(static_cast<unsigned char>(value));
  out->push_back(static_cast<unsigned char>(value >> 8));
}

void PutLe32(std::vector<unsigned char>* out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<unsigned char>(value >> shift));
}

// BITMAPFILEHEADER + BITMAPINFOHEADER for an uncompressed 24-bit image.
std::vector<unsigned char> Headers(const DomainRgbView& image, std::uint32_t row_bytes) {
  const std::uint32_t header_bytes = 14 + 40;
  const std::uint32_t pixel_bytes = row_bytes * static_cast<std::uint32_t>(image.height);
  const std::uint32_t pixels_per_metre = static_cast<std::uint32_t>(image.dpi / 0.0254 + 0.5);
  std::vector<unsigned char> out;
  out.push_back('B');
  out.push_back('M');
  PutLe32(&out, header_bytes + pixel_bytes);
  PutLe32(&out, 0);
  PutLe32(&out, header_bytes);
  PutLe32(&out, 40);
  PutLe32(&out, static_cast<std::uint32_t>(image.width));
  PutLe32(&out, static_cast<std::uint32_t>(image.height));  // positive: rows bottom-up
  PutLe16(&out, 1);
  PutLe16(&out, 24);
  PutLe32(&out, 0);  // BI_RGB
  PutLe32(&out, pixel_bytes);
  PutLe32(&out, pixels_per_metre);
  PutLe32(&out, pixels_per_metre);
  PutLe32(&out, 0);
  PutLe32(&out, 0);
  return out;
}

}  // namespace

bool DomainBmpEncoder::Write(const DomainRgbView& image, const std::string& path_utf8) const {
  // Every reader understands bottom-up BGR rows padded to four bytes.
  const std::uint32_t row_bytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint64_t total = 54 + static_cast<std::uint64_t>(row_bytes) * image.height;
  if (total > 0xFFFFFFFFu) return false;
  FILE* file = OpenForWriting(path_utf8);
  if (file == nullptr) return false;
  const std::vector<unsigned char> headers = Headers(image, row_bytes);
  bool written = std::fwrite(headers.data(), 1, headers.size(), file) == headers.size();
  std::vector<unsigned char> row(row_bytes, 0);
  for (int y = image.height - 1; y >= 0 && written; --y) {
    const unsigned char* source = image.Row(y);
    for (int x = 0; x < image.width; ++x) {
      row[x * 3] = source[x * 3 + 2];
      row[x * 3 + 1] = source[x * 3 + 1];
      row[x * 3 + 2] = source[x * 3];
    }
    written = std::fwrite(row.data(), 1, row_bytes, file) == row_bytes;
  }
  return CloseChecked(file) && written;
}
