#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_BMP_ENCODER_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_BMP_ENCODER_H

#include "domain/service/domain_image_encoder.h"

class DomainBmpEncoder : public DomainImageEncoder {
 public:
  const char* Extension() const override { return "bmp"; }
  bool Write(const DomainRgbView& image, const std::string& path_utf8) const override;
};

#endif
