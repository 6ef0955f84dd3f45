// One MuPDF context per thread.  MuPDF contexts are not thread-safe, but
// clones of one base context (created with locks) may be used from separate
// threads at once and share the resource store and glyph cache.
#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_PDF_CONTEXT_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_PDF_CONTEXT_H

extern "C" {
#include <mupdf/fitz.h>
}

class DomainPdfContext {
 public:
  // Clones the process-wide base context; Get() is null when MuPDF could not
  // be set up (out of memory).
  DomainPdfContext();
  ~DomainPdfContext();
  DomainPdfContext(const DomainPdfContext&) = delete;
  DomainPdfContext& operator=(const DomainPdfContext&) = delete;

  fz_context* Get() const { return ctx_; }

 private:
  fz_context* ctx_;
};

#endif
