#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_TIFF_ENCODER_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_TIFF_ENCODER_H

#include "domain/service/domain_image_encoder.h"

class DomainTiffEncoder : public DomainImageEncoder {
 public:
  const char* Extension() const override { return "tif"; }
  bool Write(const DomainRgbView& image, const std::string& path_utf8) const override;
};

#endif
