// The C entries of the conversion service; the work is done by the Domain*
// classes of this folder.  No C++ exception leaves these functions.
#include "domain/service/pdf_service.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "domain/service/domain_conversion_run.h"
#include "domain/service/domain_pdf_context.h"
#include "domain/service/domain_pdf_document.h"

namespace {

constexpr double kPreviewDpi = 96.0;
// Without a box, a poster-sized page is still kept to a size a preview pane
// can use instead of hundreds of megabytes.
constexpr double kPreviewMaxSide = 4096.0;

struct InspectionState {
  std::string folder;  // where the program is installed; kept for diagnostics
};

void CancelEntry(int stop) { DomainConversionRun::RequestStop(stop != 0); }

PdfOpenResult OpenCheckEntry(Pdf2xxService*, const char* path_utf8) {
  PdfOpenResult result = {0, PDF_ERR_NO_FILE};
  if (path_utf8 == nullptr) return result;
  try {
    DomainPdfContext context;
    DomainPdfDocument document(context.Get());
    result.error = document.Open(path_utf8);
    double width = 0;
    double height = 0;
    // Readable means the first page loads too, not just the trailer.
    if (result.error == PDF_OK && !document.PageSize(0, &width, &height)) result.error = PDF_ERR_DAMAGED;
  } catch (const std::exception&) {
    result.error = PDF_ERR_INTERNAL;
  }
  result.readable = result.error == PDF_OK ? 1 : 0;
  return result;
}

int PageCountEntry(Pdf2xxService*, const char* path_utf8, int) {
  if (path_utf8 == nullptr) return -PDF_ERR_NO_FILE;
  try {
    DomainPdfContext context;
    DomainPdfDocument document(context.Get());
    const int opened = document.Open(path_utf8);
    return opened == PDF_OK ? document.PageCount() : -opened;
  } catch (const std::exception&) {
    return -PDF_ERR_INTERNAL;
  }
}

// Pixels per point that fit the page into the box; a box side of 0 does not
// constrain, and no box at all means the preview resolution.
double PreviewZoom(double width_pt, double height_pt, int max_width, int max_height) {
  double zoom = 0;
  if (max_width > 0) zoom = max_width / width_pt;
  if (max_height > 0) zoom = zoom > 0 ? std::min(zoom, max_height / height_pt) : max_height / height_pt;
  if (zoom > 0) return zoom;
  return std::min(kPreviewDpi / 72.0, kPreviewMaxSide / std::max(width_pt, height_pt));
}

unsigned char* CopyToMalloc(fz_context* ctx, fz_pixmap* pixmap, int* out_width, int* out_height) {
  const int width = fz_pixmap_width(ctx, pixmap);
  const int height = fz_pixmap_height(ctx, pixmap);
  const size_t row_bytes = static_cast<size_t>(width) * 3;
  unsigned char* pixels = static_cast<unsigned char*>(std::malloc(row_bytes * height));
  if (pixels == nullptr) return nullptr;
  const unsigned char* source = fz_pixmap_samples(ctx, pixmap);
  const std::ptrdiff_t stride = fz_pixmap_stride(ctx, pixmap);
  for (int y = 0; y < height; ++y) std::memcpy(pixels + y * row_bytes, source + y * stride, row_bytes);
  if (out_width != nullptr) *out_width = width;
  if (out_height != nullptr) *out_height = height;
  return pixels;
}

unsigned char* RenderPageEntry(Pdf2xxService*, const char* path_utf8, int page, int max_width, int max_height,
                               int* out_width, int* out_height) {
  if (out_width != nullptr) *out_width = 0;
  if (out_height != nullptr) *out_height = 0;
  if (path_utf8 == nullptr) return nullptr;
  try {
    DomainPdfContext context;
    DomainPdfDocument document(context.Get());
    double width = 0;
    double height = 0;
    if (document.Open(path_utf8) != PDF_OK || !document.PageSize(page - 1, &width, &height) || width <= 0 ||
        height <= 0) {
      return nullptr;
    }
    DomainPixmapPtr pixmap(nullptr, DomainPixmapDeleter{context.Get()});
    const double zoom = PreviewZoom(width, height, max_width, max_height);
    if (document.RenderPage(page - 1, zoom, nullptr, &pixmap) != PDF_OK) return nullptr;
    return CopyToMalloc(context.Get(), pixmap.get(), out_width, out_height);
  } catch (const std::exception&) {
    return nullptr;
  }
}

int ConvertEntry(PdfService* self, const char* source_utf8, const char* page_list, int format,
                 const char* output_dir_utf8, void* context, PdfProgressFunc progress) {
  if (source_utf8 == nullptr) return PDF_ERR_NO_FILE;
  if (page_list == nullptr) return PDF_ERR_PAGE_LIST;
  if (output_dir_utf8 == nullptr) return PDF_ERR_OUTPUT_DIR;
  try {
    DomainConversionRequest request;
    request.source_utf8 = source_utf8;
    request.page_list = page_list;
    request.format = format;
    request.output_dir_utf8 = output_dir_utf8;
    request.dpi = self != nullptr ? self->dpi : 0;
    request.workers = self != nullptr ? self->workers : 0;
    request.context = context;
    request.progress = progress;
    DomainConversionRun run(request);
    return run.Run();
  } catch (const std::exception&) {
    return PDF_ERR_INTERNAL;
  }
}

}  // namespace

extern "C" {

Pdf2xxService* CreatePdf2xxService(const char* folder_utf8) {
  try {
    Pdf2xxService* service = new Pdf2xxService();
    service->cancel = CancelEntry;
    service->open_check = OpenCheckEntry;
    service->render_page = RenderPageEntry;
    service->page_count = PageCountEntry;
    service->impl = new InspectionState{folder_utf8 != nullptr ? folder_utf8 : ""};
    return service;
  } catch (const std::exception&) {
    return nullptr;
  }
}

void FreePdf2xxService(Pdf2xxService* service) {
  if (service == nullptr) return;
  delete static_cast<InspectionState*>(service->impl);
  delete service;
}

int CreatePdfService(PdfService* service) {
  if (service == nullptr) return PDF_ERR_INTERNAL;
  service->impl = nullptr;
  service->convert = ConvertEntry;
  service->dpi = 0;
  service->workers = 0;
  DomainConversionRun::RequestStop(false);
  return PDF_OK;
}

void FreePdfService(PdfService* service) {
  if (service == nullptr) return;
  service->impl = nullptr;
  service->convert = nullptr;
}

const char* PdfServiceResultText(int code) {
  switch (code) {
    case PDF_OK: return "success";
    case PDF_ERR_NO_FILE: return "the file does not exist or cannot be opened";
    case PDF_ERR_NOT_PDF: return "the file is not a PDF";
    case PDF_ERR_DAMAGED: return "the PDF is damaged and cannot be read";
    case PDF_ERR_PASSWORD: return "the PDF is protected by a password";
    case PDF_ERR_PAGE_LIST: return "the page list is malformed or names pages beyond the document";
    case PDF_ERR_OUTPUT_DIR: return "the output folder does not exist or is not writable";
    case PDF_ERR_WRITE: return "an image could not be written (disk full or I/O error)";
    case PDF_ERR_FORMAT: return "unknown image format";
    case PDF_ERR_RENDER: return "a page could not be rendered";
    case PDF_ERR_CANCELLED: return "stopped";
    case PDF_ERR_INTERNAL: return "out of memory or internal failure";
    default: return "unknown error";
  }
}

}  // extern "C"
