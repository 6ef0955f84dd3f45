// PDF conversion service: a small C interface over MuPDF.
//
// Two records are offered.  The inspection service (one per process) answers
// page counts and open checks and renders single pages for the preview; the
// imager record (one per conversion run) writes the selected pages of a PDF
// into a folder as image files.  Every entry reports failures as result
// codes; nothing throws across this interface.
//
// Threads: every entry may be called from any thread at once.  Each call
// works on its own MuPDF context clone and document handle.
//
// Files written by a conversion appear under their final names only when
// complete: each image is written under a hidden temporary name
// (".tarnly-XXXXXX.part") in the output folder and renamed at the end, so a
// stop, a failure or a killed process never leaves a truncated image.
#ifndef TARNLY_DOMAIN_SERVICE_PDF_SERVICE_H
#define TARNLY_DOMAIN_SERVICE_PDF_SERVICE_H

#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

// Result codes of the conversion entry (0 is success).
enum PdfServiceResult {
  PDF_OK = 0,
  PDF_ERR_NO_FILE = 1,     // the source file does not exist or cannot be opened
  PDF_ERR_NOT_PDF = 2,     // the file is not a PDF
  PDF_ERR_DAMAGED = 3,     // the PDF is damaged beyond repair
  PDF_ERR_PASSWORD = 4,    // the PDF needs a password
  PDF_ERR_PAGE_LIST = 5,   // the page list is malformed or names pages beyond the document
  PDF_ERR_OUTPUT_DIR = 6,  // the output folder does not exist or is not writable
  PDF_ERR_WRITE = 7,       // an image could not be written (disk full, I/O error)
  PDF_ERR_FORMAT = 8,      // unknown format code
  PDF_ERR_RENDER = 9,      // a page could not be rendered (the others were written)
  PDF_ERR_CANCELLED = 10,  // stopped by the cancel entry or a progress result of -2
  PDF_ERR_INTERNAL = 11    // out of memory or another internal failure
};

// Format codes of the conversion entry.
enum PdfImageFormat {
  PDF_FORMAT_PNG = 0,
  PDF_FORMAT_TIF = 1,
  PDF_FORMAT_JPG = 2,
  PDF_FORMAT_BMP = 3,
  PDF_FORMAT_GIF = 4
};

// Returned by value by the open check: `readable` is nonzero when the file
// opens as a PDF whose pages can be read; otherwise `error` holds the reason
// as a PdfServiceResult.
typedef struct PdfOpenResult {
  int readable;
  int error;
} PdfOpenResult;

typedef struct Pdf2xxService Pdf2xxService;

struct Pdf2xxService {
  // Asks every running conversion to stop at its next page or progress call
  // (1), or clears that request (0).  A new imager record starts cleared.
  void (*cancel)(int stop);
  PdfOpenResult (*open_check)(Pdf2xxService* service, const char* path_utf8);
  // Renders one page (counted from 1) as RGB bytes, 3 per pixel, rows top to
  // bottom, allocated with malloc (the caller frees them with free()).  The
  // page is scaled to fit max_width x max_height keeping its proportions
  // (a side of 0 does not constrain); with both 0 it is rendered at 96 dpi,
  // but no side longer than 4096 pixels.  Null on failure.
  unsigned char* (*render_page)(Pdf2xxService* service, const char* path_utf8, int page, int max_width,
                                int max_height, int* out_width, int* out_height);
  // Number of pages, or the negated PdfServiceResult when the file cannot be
  // read (always <= 0).
  int (*page_count)(Pdf2xxService* service, const char* path_utf8, int reserved);
  void* impl;
};

Pdf2xxService* CreatePdf2xxService(const char* folder_utf8);
void FreePdf2xxService(Pdf2xxService* service);

// Progress callback of a conversion: called on the calling thread as
// (context, pages done, pages in total), where total is the number of
// entries in the page list.  It is called once with 0 before the first page,
// once after each entry of the list is written, in list order, and also
// every 200 ms or so while a long page is being rendered (with an unchanged
// `done`), so that a stop answer is heard within the page.  Return 0 to go
// on, -2 to stop the conversion (it returns PDF_ERR_CANCELLED).
typedef int (*PdfProgressFunc)(void* context, int done, int total);

typedef struct PdfService PdfService;

struct PdfService {
  void* impl;
  // Writes the pages of `page_list` (syntax "1,3,5-10"; repeats allowed) of
  // `source` into the existing folder `output_dir` as
  // "<source name without extension>-<page>.<ext>" with the page number
  // zero-padded to the digits of the page count (ext: png, tif, jpg, bmp,
  // gif).  A page named more than once is written once: every mention
  // would produce the same file under the same name.  The source, the page
  // list and the folder are all checked before anything is written.  Pages
  // are rendered on `workers` threads at `dpi`; a page larger than 100
  // megapixels at that resolution is rendered at a lower one.  PNG, TIFF
  // (deflate) and BMP are lossless, JPEG uses quality 90, and GIF is exact
  // for pages of at most 256 colours and quantised to 256 otherwise.
  // Returns a PdfServiceResult; PDF_ERR_RENDER means the other pages were
  // written.
  int (*convert)(PdfService* self, const char* source_utf8, const char* page_list, int format,
                 const char* output_dir_utf8, void* context, PdfProgressFunc progress);
  // Tuning, read by `convert`: dots per inch (0 = 150) and worker threads
  // (0 = one per core).  Set them after CreatePdfService.
  int dpi;
  int workers;
};

// Fills a caller-owned record; returns 0 on success.
int CreatePdfService(PdfService* service);
void FreePdfService(PdfService* service);

// Opens a file by a UTF-8 path (fopen semantics); null on failure.
FILE* Utf8Fopen(const char* path_utf8, const char* mode);

// A short English description of a PdfServiceResult, for logs and the
// command-line converter.
const char* PdfServiceResultText(int code);

#ifdef __cplusplus
}
#endif

#endif
