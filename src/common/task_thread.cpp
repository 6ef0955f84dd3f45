#include "common/task_thread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

struct LiveThreads {
  std::mutex mutex;
  std::condition_variable none_left;
  int count = 0;
};

LiveThreads& Live() {
  static LiveThreads* live = new LiveThreads;  // outlives every worker
  return *live;
}

}  // namespace

TaskThread::TaskThread(void* argument, TaskFunction run, TaskFunction start_hook, TaskFunction finish_hook)
    : wxThread(wxTHREAD_DETACHED), argument_(argument), run_(run), finish_hook_(finish_hook) {
  {
    std::lock_guard<std::mutex> lock(Live().mutex);
    ++Live().count;
  }
  if (start_hook != nullptr) start_hook(argument_);
}

TaskThread::~TaskThread() {
  if (finish_hook_ != nullptr) finish_hook_(argument_);
  std::lock_guard<std::mutex> lock(Live().mutex);
  if (--Live().count == 0) Live().none_left.notify_all();
}

bool TaskThread::WaitForAll(int timeout_ms) {
  std::unique_lock<std::mutex> lock(Live().mutex);
  return Live().none_left.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                                   [] { return Live().count == 0; });
}

wxThread::ExitCode TaskThread::Entry() {
  if (run_ != nullptr) run_(argument_);
  return 0;
}

bool TaskThread::Start(void* argument, TaskFunction run) {
  auto* thread = new TaskThread(argument, run);
  if (thread->Run() != wxTHREAD_NO_ERROR) {
    // A detached thread that never ran is not deleted by the toolkit.
    delete thread;
    return false;
  }
  return true;
}
