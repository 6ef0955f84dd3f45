#include "domain/service/domain_pdf_context.h"

#include <mutex>

namespace {

// Resource store shared by every thread.  MuPDF's default (256 MB) would let
// cached fonts and images of a large document dominate the memory use.
constexpr size_t kStoreBytes = 96u << 20;

std::mutex g_locks[FZ_LOCK_MAX];

void LockMuPdf(void*, int lock) { g_locks[lock].lock(); }
void UnlockMuPdf(void*, int lock) { g_locks[lock].unlock(); }

// Real-world PDFs trigger many harmless warnings; the service reports its
// own result codes instead of MuPDF's console chatter.
void IgnoreMessage(void*, const char*) {}

// Built on first use and kept for the life of the process: worker threads of
// a conversion may still hold clones while static objects are destroyed.
fz_context* BaseContext() {
  static fz_context* base = [] {
    static fz_locks_context locks = {nullptr, LockMuPdf, UnlockMuPdf};
    fz_context* ctx = fz_new_context(nullptr, &locks, kStoreBytes);
    if (ctx != nullptr) {
      fz_set_error_callback(ctx, IgnoreMessage, nullptr);
      fz_set_warning_callback(ctx, IgnoreMessage, nullptr);
    }
    return ctx;
  }();
  return base;
}

}  // namespace

DomainPdfContext::DomainPdfContext() : ctx_(nullptr) {
  fz_context* base = BaseContext();
  if (base != nullptr) ctx_ = fz_clone_context(base);
}

DomainPdfContext::~DomainPdfContext() {
  if (ctx_ != nullptr) fz_drop_context(ctx_);
}
