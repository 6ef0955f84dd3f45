// An open PDF on one thread's MuPDF context: opening with the reason a file
// cannot be read, page count, page size and rendering to RGB pixels.
#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_PDF_DOCUMENT_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_PDF_DOCUMENT_H

#include <memory>
#include <string>

extern "C" {
#include <mupdf/fitz.h>
}

struct DomainPixmapDeleter {
  fz_context* ctx;
  void operator()(fz_pixmap* pixmap) const { fz_drop_pixmap(ctx, pixmap); }
};
using DomainPixmapPtr = std::unique_ptr<fz_pixmap, DomainPixmapDeleter>;

class DomainPdfDocument {
 public:
  // Pages are never rendered with more pixels than this (or wider or taller
  // than kMaxSide); a larger page gets a lower resolution instead.
  static constexpr double kMaxPixels = 100e6;
  static constexpr double kMaxSide = 65000;

  // `ctx` must outlive the document and belong to the calling thread.
  explicit DomainPdfDocument(fz_context* ctx);
  ~DomainPdfDocument();
  DomainPdfDocument(const DomainPdfDocument&) = delete;
  DomainPdfDocument& operator=(const DomainPdfDocument&) = delete;

  // Opens a UTF-8 path; returns a PdfServiceResult (PDF_OK, NO_FILE,
  // NOT_PDF, DAMAGED, PASSWORD or INTERNAL).
  int Open(const std::string& path_utf8);
  int PageCount() const { return page_count_; }

  // Size of a page (counted from 0) in points, with its rotation applied;
  // false when the page cannot be loaded.
  bool PageSize(int page_index, double* width_pt, double* height_pt);

  // Renders a page at `zoom` pixels per point (lowered to respect the pixel
  // cap) onto white.  Returns a PdfServiceResult: PDF_OK with `out` set,
  // PDF_ERR_CANCELLED when `cookie` was aborted, PDF_ERR_RENDER or
  // PDF_ERR_INTERNAL.  `cookie` may be null.  With `storage`, the pixels are
  // drawn into memory that `storage` keeps (and grows) from call to call;
  // `out` then borrows it and must be released before `storage`.
  int RenderPage(int page_index, double zoom, fz_cookie* cookie, DomainPixmapPtr* out,
                 DomainPixmapPtr* storage = nullptr);

  // `zoom` lowered so that a page of that size stays within the caps.
  static double CappedZoom(double zoom, double width_pt, double height_pt);

 private:
  int ClassifyByContents(const std::string& path_utf8) const;
  fz_pixmap* NewPixmap(const fz_irect& box, fz_pixmap** storage);
  fz_pixmap* RenderOrThrow(int page_index, double zoom, fz_cookie* cookie, fz_pixmap** storage);

  fz_context* ctx_;
  fz_document* doc_;
  int page_count_;
};

#endif
