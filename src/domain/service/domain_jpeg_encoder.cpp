#include "domain/service/domain_jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

constexpr int kQuality = 90;

struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  JpegErrorTrap* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  std::longjmp(trap->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

void Configure(jpeg_compress_struct* info, const DomainRgbView& image) {
  info->image_width = static_cast<JDIMENSION>(image.width);
  info->image_height = static_cast<JDIMENSION>(image.height);
  info->input_components = 3;
  info->in_color_space = JCS_RGB;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, kQuality, TRUE);
  info->density_unit = 1;  // dots per inch
  info->X_density = static_cast<UINT16>(image.dpi);
  info->Y_density = static_cast<UINT16>(image.dpi);
}

// Kept apart from C++ objects: longjmp must not skip destructors.
bool Compress(const DomainRgbView& image, FILE* file) {
  jpeg_compress_struct info;
  JpegErrorTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOnError;
  trap.manager.output_message = IgnoreMessage;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  Configure(&info, image);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.Row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

bool DomainJpegEncoder::Write(const DomainRgbView& image, const std::string& path_utf8) const {
  if (image.width > JPEG_MAX_DIMENSION || image.height > JPEG_MAX_DIMENSION) return false;
  FILE* file = OpenForWriting(path_utf8);
  if (file == nullptr) return false;
  const bool compressed = Compress(image, file);
  return CloseChecked(file) && compressed;
}
