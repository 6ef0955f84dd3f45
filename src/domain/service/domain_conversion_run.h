// One call of the conversion entry: renders the pages of a page list on a
// few worker threads, each with its own MuPDF context and document handle,
// encodes and writes every page in the worker that rendered it, and reports
// progress from the calling thread in page-list order.
//
// A page named more than once in the list is written once (its file name
// would be the same every time); every mention still counts in the
// progress, so `total` is always the length of the list.
#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_CONVERSION_RUN_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_CONVERSION_RUN_H

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern "C" {
#include <mupdf/fitz.h>
}

#include "domain/service/domain_pdf_document.h"
#include "domain/service/pdf_service.h"

class DomainImageEncoder;

struct DomainConversionRequest {
  std::string source_utf8;
  std::string page_list;
  int format = PDF_FORMAT_PNG;
  std::string output_dir_utf8;
  int dpi = 0;      // 0: kDefaultDpi
  int workers = 0;  // 0: one per core
  void* context = nullptr;
  PdfProgressFunc progress = nullptr;
};

class DomainConversionRun {
 public:
  static constexpr int kDefaultDpi = 150;
  static constexpr int kMaxDpi = 2400;
  // Without a page finishing, the progress function is still called this
  // often so that its stop answer is heard in the middle of a long page.
  static constexpr int kHeartbeatMs = 200;

  explicit DomainConversionRun(const DomainConversionRequest& request);
  ~DomainConversionRun();
  DomainConversionRun(const DomainConversionRun&) = delete;
  DomainConversionRun& operator=(const DomainConversionRun&) = delete;

  // Runs the conversion; returns a PdfServiceResult.
  int Run();

  // The cancel entry: a set request stops every running conversion within a
  // page and makes new ones return PDF_ERR_CANCELLED until it is cleared.
  static void RequestStop(bool stop);
  static bool StopRequested();

  // "<source name without extension>-<page>.<ext>", the page zero-padded to
  // the digits of `page_count`.
  static std::string ImageFileName(const std::string& source_utf8, int page, int page_count,
                                   const char* extension);

 private:
  enum PageState { kPending, kWritten, kFailed };

  int Prepare();
  int WorkerCount() const;
  void StartWorkers(int count);
  void WorkerLoop(int worker_index);
  bool TakeNextPage(int* page);
  int ConvertPage(DomainPdfDocument* document, int page, fz_cookie* cookie, DomainPixmapPtr* storage);
  void FinishPage(int page, int result);
  int ReportUntilDone();
  int CollectReportable(int* done);
  bool CallProgress(int done);
  void StopWorkers();

  DomainConversionRequest request_;
  std::unique_ptr<DomainImageEncoder> encoder_;
  int page_count_;
  std::vector<int> list_pages_;    // the page list as given, repeats kept
  std::vector<int> unique_pages_;  // work order: first mention of each page

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<PageState> states_;  // by page number
  size_t next_work_;
  int page_failure_;   // first failure of a single page (RENDER)
  int fatal_failure_;  // a failure that ends the run (WRITE, INTERNAL, ...)
  int changes_;        // counts finished pages, to wake the reporting thread
  int changes_seen_;
  std::atomic<bool> stopping_;
  std::vector<fz_cookie> cookies_;  // one per worker; abort stops a render
  std::vector<std::thread> workers_;

  static std::atomic<bool> stop_requested_;
};

#endif
