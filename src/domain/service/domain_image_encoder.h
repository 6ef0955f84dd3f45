// Writes rendered pages as image files.  One subclass per format; each is
// stateless, so one instance may serve every worker thread at once.
#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_IMAGE_ENCODER_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_IMAGE_ENCODER_H

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

// RGB pixels, 3 bytes per pixel, rows top to bottom `stride` bytes apart.
struct DomainRgbView {
  const unsigned char* pixels;
  int width;
  int height;
  std::ptrdiff_t stride;
  int dpi;  // stored in the file's resolution fields

  const unsigned char* Row(int y) const { return pixels + y * stride; }
};

class DomainImageEncoder {
 public:
  virtual ~DomainImageEncoder() = default;

  // File name extension without the dot ("png").
  virtual const char* Extension() const = 0;
  // Writes `image` to `path_utf8`, replacing its contents.  False on any
  // failure, including a full disk; the caller removes the file then.
  virtual bool Write(const DomainRgbView& image, const std::string& path_utf8) const = 0;

  // The encoder of a PdfImageFormat code; null for an unknown code.
  static std::unique_ptr<DomainImageEncoder> ForFormat(int format);

 protected:
  // A stream with a large buffer: encoders write many small pieces.
  static FILE* OpenForWriting(const std::string& path_utf8);
  // Flushes and closes `file`; false when any write failed (a full disk
  // shows up here at the latest).
  static bool CloseChecked(FILE* file);
};

#endif
