#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_JPEG_ENCODER_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_JPEG_ENCODER_H

#include "domain/service/domain_image_encoder.h"

class DomainJpegEncoder : public DomainImageEncoder {
 public:
  const char* Extension() const override { return "jpg"; }
  bool Write(const DomainRgbView& image, const std::string& path_utf8) const override;
};

#endif
