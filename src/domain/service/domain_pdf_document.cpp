#include "domain/service/domain_pdf_document.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

extern "C" {
#include <mupdf/pdf.h>
}

#include "domain/service/pdf_service.h"

namespace {

int ResultForCaught(fz_context* ctx, int otherwise) {
  switch (fz_caught(ctx)) {
    case FZ_ERROR_MEMORY: return PDF_ERR_INTERNAL;
    case FZ_ERROR_ABORT: return PDF_ERR_CANCELLED;
    default: return otherwise;
  }
}

}  // namespace

DomainPdfDocument::DomainPdfDocument(fz_context* ctx) : ctx_(ctx), doc_(nullptr), page_count_(0) {}

DomainPdfDocument::~DomainPdfDocument() {
  if (doc_ != nullptr) fz_drop_document(ctx_, doc_);
}

// Tells a missing or unreadable file and a file that is no PDF at all apart
// from a PDF that MuPDF cannot rebuild.
int DomainPdfDocument::ClassifyByContents(const std::string& path_utf8) const {
  struct stat info;
  if (::stat(path_utf8.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return PDF_ERR_NO_FILE;
  FILE* file = Utf8Fopen(path_utf8.c_str(), "rb");
  if (file == nullptr) return PDF_ERR_NO_FILE;
  // Readers accept the header anywhere in the first kilobyte.
  char head[1024];
  const size_t got = std::fread(head, 1, sizeof head, file);
  std::fclose(file);
  const std::string text(head, got);
  return text.find("%PDF-") == std::string::npos ? PDF_ERR_NOT_PDF : PDF_OK;
}

int DomainPdfDocument::Open(const std::string& path_utf8) {
  if (ctx_ == nullptr) return PDF_ERR_INTERNAL;
  if (doc_ != nullptr) {
    fz_drop_document(ctx_, doc_);
    doc_ = nullptr;
    page_count_ = 0;
  }
  const int classified = ClassifyByContents(path_utf8);
  if (classified != PDF_OK) return classified;

  int result = PDF_OK;
  fz_document* doc = nullptr;
  fz_var(doc);
  fz_try(ctx_) {
    doc = reinterpret_cast<fz_document*>(pdf_open_document(ctx_, path_utf8.c_str()));
    if (fz_needs_password(ctx_, doc)) {
      result = PDF_ERR_PASSWORD;
    } else {
      page_count_ = fz_count_pages(ctx_, doc);
      if (page_count_ <= 0) result = PDF_ERR_DAMAGED;
    }
  }
  fz_catch(ctx_) result = ResultForCaught(ctx_, PDF_ERR_DAMAGED);

  if (result == PDF_OK) {
    doc_ = doc;
  } else {
    fz_drop_document(ctx_, doc);
    page_count_ = 0;
  }
  return result;
}

bool DomainPdfDocument::PageSize(int page_index, double* width_pt, double* height_pt) {
  if (doc_ == nullptr || page_index < 0 || page_index >= page_count_) return false;
  bool loaded = true;
  fz_page* page = nullptr;
  fz_var(page);
  fz_try(ctx_) {
    page = fz_load_page(ctx_, doc_, page_index);
    const fz_rect bounds = fz_bound_page(ctx_, page);
    *width_pt = bounds.x1 - bounds.x0;
    *height_pt = bounds.y1 - bounds.y0;
  }
  fz_always(ctx_) fz_drop_page(ctx_, page);
  fz_catch(ctx_) loaded = false;
  return loaded;
}

double DomainPdfDocument::CappedZoom(double zoom, double width_pt, double height_pt) {
  if (width_pt <= 0 || height_pt <= 0) return zoom;
  const double pixels = width_pt * zoom * height_pt * zoom;
  if (pixels > kMaxPixels) zoom *= std::sqrt(kMaxPixels / pixels);
  const double longest = std::max(width_pt, height_pt) * zoom;
  if (longest > kMaxSide) zoom *= kMaxSide / longest;
  return zoom;
}

// A pixmap for `box`; with `storage`, one that borrows its samples so that
// a worker renders page after page into the same memory instead of mapping
// and faulting in fresh pages for every one.
fz_pixmap* DomainPdfDocument::NewPixmap(const fz_irect& box, fz_pixmap** storage) {
  fz_colorspace* rgb = fz_device_rgb(ctx_);
  if (storage == nullptr) return fz_new_pixmap_with_bbox(ctx_, rgb, box, nullptr, 0);
  const size_t needed = static_cast<size_t>(box.x1 - box.x0) * static_cast<size_t>(box.y1 - box.y0) * 3;
  const size_t held = *storage == nullptr ? 0
                                          : static_cast<size_t>(fz_pixmap_width(ctx_, *storage)) *
                                                static_cast<size_t>(fz_pixmap_height(ctx_, *storage)) * 3;
  if (held < needed) {
    fz_drop_pixmap(ctx_, *storage);
    *storage = nullptr;
    *storage = fz_new_pixmap(ctx_, rgb, box.x1 - box.x0, box.y1 - box.y0, nullptr, 0);
  }
  return fz_new_pixmap_with_bbox_and_data(ctx_, rgb, box, nullptr, 0, fz_pixmap_samples(ctx_, *storage));
}

fz_pixmap* DomainPdfDocument::RenderOrThrow(int page_index, double zoom, fz_cookie* cookie,
                                            fz_pixmap** storage) {
  fz_page* page = nullptr;
  fz_pixmap* pixmap = nullptr;
  fz_device* device = nullptr;
  fz_var(page);
  fz_var(pixmap);
  fz_var(device);
  fz_try(ctx_) {
    page = fz_load_page(ctx_, doc_, page_index);
    const fz_rect bounds = fz_bound_page(ctx_, page);
    if (fz_is_empty_rect(bounds)) fz_throw(ctx_, FZ_ERROR_GENERIC, "page has no area");
    const float scale = static_cast<float>(CappedZoom(zoom, bounds.x1 - bounds.x0, bounds.y1 - bounds.y0));
    const fz_matrix ctm = fz_scale(scale, scale);
    const fz_irect box = fz_round_rect(fz_transform_rect(bounds, ctm));
    pixmap = NewPixmap(box, storage);
    fz_clear_pixmap_with_value(ctx_, pixmap, 0xff);
    device = fz_new_draw_device(ctx_, fz_identity, pixmap);
    fz_run_page(ctx_, page, device, ctm, cookie);
    fz_close_device(ctx_, device);
    if (cookie != nullptr && cookie->abort) fz_throw(ctx_, FZ_ERROR_ABORT, "stopped");
  }
  fz_always(ctx_) {
    fz_drop_device(ctx_, device);
    fz_drop_page(ctx_, page);
  }
  fz_catch(ctx_) {
    fz_drop_pixmap(ctx_, pixmap);
    fz_rethrow(ctx_);
  }
  return pixmap;
}

int DomainPdfDocument::RenderPage(int page_index, double zoom, fz_cookie* cookie, DomainPixmapPtr* out,
                                  DomainPixmapPtr* storage) {
  if (doc_ == nullptr || page_index < 0 || page_index >= page_count_ || zoom <= 0) {
    return PDF_ERR_RENDER;
  }
  out->reset();  // it may borrow the storage's samples
  fz_pixmap* pixmap = nullptr;
  fz_pixmap* held = storage != nullptr ? storage->release() : nullptr;
  int result = PDF_OK;
  fz_var(pixmap);
  fz_var(held);
  fz_try(ctx_) pixmap = RenderOrThrow(page_index, zoom, cookie, storage != nullptr ? &held : nullptr);
  fz_catch(ctx_) result = ResultForCaught(ctx_, PDF_ERR_RENDER);
  if (storage != nullptr) *storage = DomainPixmapPtr(held, DomainPixmapDeleter{ctx_});
  if (result == PDF_OK && cookie != nullptr && cookie->abort) result = PDF_ERR_CANCELLED;
  if (result != PDF_OK) {
    fz_drop_pixmap(ctx_, pixmap);
    return result;
  }
  *out = DomainPixmapPtr(pixmap, DomainPixmapDeleter{ctx_});
  return PDF_OK;
}
