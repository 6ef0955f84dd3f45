#include "common/task_thread.h"

TaskThread::TaskThread(void* argument, TaskFunction run, TaskFunction start_hook, TaskFunction finish_hook)
    : wxThread(wxTHREAD_DETACHED), argument_(argument), run_(run), finish_hook_(finish_hook) {
  if (start_hook != nullptr) start_hook(argument_);
}

TaskThread::~TaskThread() {
  if (finish_hook_ != nullptr) finish_hook_(argument_);
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
