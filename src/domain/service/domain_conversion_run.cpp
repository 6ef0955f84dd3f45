#include "domain/service/domain_conversion_run.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <exception>

#include "domain/service/domain_atomic_output_file.h"
#include "domain/service/domain_image_encoder.h"
#include "domain/service/domain_page_list.h"
#include "domain/service/domain_pdf_context.h"
#include "domain/service/domain_pdf_document.h"

std::atomic<bool> DomainConversionRun::stop_requested_{false};

namespace {

std::string BaseNameWithoutExtension(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

int DigitsOf(int number) {
  int digits = 1;
  while (number >= 10) {
    number /= 10;
    ++digits;
  }
  return digits;
}

// Failures after which further pages cannot succeed either.
bool EndsTheRun(int result) {
  return result != PDF_OK && result != PDF_ERR_RENDER && result != PDF_ERR_CANCELLED;
}

}  // namespace

DomainConversionRun::DomainConversionRun(const DomainConversionRequest& request)
    : request_(request),
      page_count_(0),
      next_work_(0),
      page_failure_(PDF_OK),
      fatal_failure_(PDF_OK),
      changes_(0),
      changes_seen_(0),
      stopping_(false) {}

DomainConversionRun::~DomainConversionRun() { StopWorkers(); }

void DomainConversionRun::RequestStop(bool stop) { stop_requested_.store(stop); }

bool DomainConversionRun::StopRequested() { return stop_requested_.load(); }

std::string DomainConversionRun::ImageFileName(const std::string& source_utf8, int page, int page_count,
                                               const char* extension) {
  const std::string number = std::to_string(page);
  const int width = DigitsOf(page_count);
  const std::string padding(static_cast<size_t>(std::max(0, width - static_cast<int>(number.size()))), '0');
  return BaseNameWithoutExtension(source_utf8) + "-" + padding + number + "." + extension;
}

// Everything that can be refused is refused here, before any file is made.
int DomainConversionRun::Prepare() {
  encoder_ = DomainImageEncoder::ForFormat(request_.format);
  if (!encoder_) return PDF_ERR_FORMAT;
  DomainPdfContext context;
  if (context.Get() == nullptr) return PDF_ERR_INTERNAL;
  DomainPdfDocument document(context.Get());
  const int opened = document.Open(request_.source_utf8);
  if (opened != PDF_OK) return opened;
  page_count_ = document.PageCount();
  if (!DomainPageList::Parse(request_.page_list.c_str(), page_count_, &list_pages_)) {
    return PDF_ERR_PAGE_LIST;
  }
  if (!DomainAtomicOutputFile::CanWriteIn(request_.output_dir_utf8)) return PDF_ERR_OUTPUT_DIR;

  states_.assign(static_cast<size_t>(page_count_) + 1, kPending);
  std::vector<bool> seen(static_cast<size_t>(page_count_) + 1, false);
  for (int page : list_pages_) {
    if (!seen[page]) unique_pages_.push_back(page);
    seen[page] = true;
  }
  if (request_.dpi <= 0) request_.dpi = kDefaultDpi;
  request_.dpi = std::min(request_.dpi, kMaxDpi);
  return PDF_OK;
}

int DomainConversionRun::Run() {
  if (StopRequested()) return PDF_ERR_CANCELLED;
  const int prepared = Prepare();
  if (prepared != PDF_OK) return prepared;
  StartWorkers(WorkerCount());
  const int result = ReportUntilDone();
  StopWorkers();
  if (result != PDF_OK) return result;
  std::lock_guard<std::mutex> lock(mutex_);
  return page_failure_;
}

int DomainConversionRun::WorkerCount() const {
  int count = request_.workers;
  if (count <= 0) count = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  // Each worker holds one page in memory: a few are enough to keep every
  // core busy.
  count = std::min(count, 16);
  return std::max(1, std::min(count, static_cast<int>(unique_pages_.size())));
}

void DomainConversionRun::StartWorkers(int count) {
  cookies_.assign(static_cast<size_t>(count), fz_cookie());
  for (int i = 0; i < count; ++i) workers_.emplace_back(&DomainConversionRun::WorkerLoop, this, i);
}

void DomainConversionRun::StopWorkers() {
  stopping_.store(true);
  // MuPDF polls the cookie while it interprets a page.
  for (fz_cookie& cookie : cookies_) cookie.abort = 1;
  for (std::thread& worker : workers_) {
    if (worker.joinable()) worker.join();
  }
  workers_.clear();
}

void DomainConversionRun::WorkerLoop(int worker_index) {
  DomainPdfContext context;
  DomainPdfDocument document(context.Get());
  const int opened = context.Get() == nullptr ? PDF_ERR_INTERNAL : document.Open(request_.source_utf8);
  if (opened != PDF_OK) {
    // The file changed or vanished since it was checked.
    FinishPage(0, opened == PDF_ERR_CANCELLED ? PDF_ERR_INTERNAL : opened);
    return;
  }
  DomainPixmapPtr storage(nullptr, DomainPixmapDeleter{context.Get()});
  int page = 0;
  while (TakeNextPage(&page)) {
    int result = PDF_ERR_INTERNAL;
    // An exception must not end the thread (and the process); out of
    // memory while encoding ends the run instead.
    try {
      result = ConvertPage(&document, page, &cookies_[worker_index], &storage);
    } catch (const std::exception&) {
      result = PDF_ERR_INTERNAL;
    }
    FinishPage(page, result);
  }
}

bool DomainConversionRun::TakeNextPage(int* page) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopping_.load() || next_work_ >= unique_pages_.size()) return false;
  *page = unique_pages_[next_work_++];
  return true;
}

int DomainConversionRun::ConvertPage(DomainPdfDocument* document, int page, fz_cookie* cookie,
                                     DomainPixmapPtr* storage) {
  DomainPixmapPtr pixmap(nullptr, DomainPixmapDeleter{nullptr});
  const int rendered = document->RenderPage(page - 1, request_.dpi / 72.0, cookie, &pixmap, storage);
  if (rendered != PDF_OK) return rendered;
  fz_pixmap* pix = pixmap.get();
  fz_context* ctx = pixmap.get_deleter().ctx;
  const DomainRgbView view{fz_pixmap_samples(ctx, pix), fz_pixmap_width(ctx, pix), fz_pixmap_height(ctx, pix),
                           fz_pixmap_stride(ctx, pix), request_.dpi};
  const std::string name = ImageFileName(request_.source_utf8, page, page_count_, encoder_->Extension());
  DomainAtomicOutputFile file(request_.output_dir_utf8 + "/" + name);
  if (!file.Create()) return PDF_ERR_WRITE;
  if (!encoder_->Write(view, file.TempPath())) return PDF_ERR_WRITE;
  // A stop that arrived while encoding wins: nothing new appears after it.
  if (stopping_.load()) return PDF_ERR_CANCELLED;
  return file.Commit() ? PDF_OK : PDF_ERR_WRITE;
}

void DomainConversionRun::FinishPage(int page, int result) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (page > 0) states_[page] = result == PDF_OK ? kWritten : kFailed;
    if (result == PDF_ERR_RENDER && page_failure_ == PDF_OK) page_failure_ = result;
    if (EndsTheRun(result) && fatal_failure_ == PDF_OK) fatal_failure_ = result;
    ++changes_;
  }
  changed_.notify_one();
}

// Waits briefly for a page to finish, then advances `done` over the pages of
// the list whose work is over.  Returns a failure that ends the run.
int DomainConversionRun::CollectReportable(int* done) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait_for(lock, std::chrono::milliseconds(kHeartbeatMs / 2),
                    [this] { return changes_ != changes_seen_; });
  changes_seen_ = changes_;
  if (fatal_failure_ != PDF_OK) return fatal_failure_;
  while (*done < static_cast<int>(list_pages_.size()) && states_[list_pages_[*done]] != kPending) {
    ++*done;
  }
  return PDF_OK;
}

bool DomainConversionRun::CallProgress(int done) {
  if (request_.progress == nullptr) return true;
  return request_.progress(request_.context, done, static_cast<int>(list_pages_.size())) != -2;
}

int DomainConversionRun::ReportUntilDone() {
  using Clock = std::chrono::steady_clock;
  const int total = static_cast<int>(list_pages_.size());
  if (!CallProgress(0)) return PDF_ERR_CANCELLED;
  Clock::time_point last_call = Clock::now();
  int reported = 0;
  while (reported < total) {
    int done = reported;
    const int fatal = CollectReportable(&done);
    if (fatal != PDF_OK) return fatal;
    while (reported < done) {
      if (!CallProgress(++reported)) return PDF_ERR_CANCELLED;
      last_call = Clock::now();
    }
    if (StopRequested()) return PDF_ERR_CANCELLED;
    if (reported < total && Clock::now() - last_call >= std::chrono::milliseconds(kHeartbeatMs)) {
      if (!CallProgress(reported)) return PDF_ERR_CANCELLED;
      last_call = Clock::now();
    }
  }
  return PDF_OK;
}
