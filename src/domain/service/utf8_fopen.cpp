#include <cstdio>

#include "domain/service/pdf_service.h"

// Paths are UTF-8 on this platform already; the entry exists so callers
// never depend on how a platform spells non-ASCII file names.
extern "C" FILE* Utf8Fopen(const char* path_utf8, const char* mode) {
  if (path_utf8 == nullptr || mode == nullptr) return nullptr;
  return std::fopen(path_utf8, mode);
}
