// Runs one task (a function with one pointer argument) on a detached worker
// thread.  The task owns its argument and frees it; it reports back only by
// queueing events to a window.
#ifndef TARNLY_COMMON_TASK_THREAD_H
#define TARNLY_COMMON_TASK_THREAD_H

#include <wx/thread.h>

class TaskThread : public wxThread {
 public:
  using TaskFunction = void (*)(void* argument);

  // Calls `start_hook` (if any) with the argument before returning.
  TaskThread(void* argument, TaskFunction run, TaskFunction start_hook = nullptr,
             TaskFunction finish_hook = nullptr);
  // Calls `finish_hook` (if any); for a detached thread that is on the worker.
  ~TaskThread() override;

  // Creates and runs a detached task thread.  Returns false when the system
  // thread could not be made; the argument is then left to the caller.
  static bool Start(void* argument, TaskFunction run);

  // Waits until every task thread made so far has finished its task and
  // left its destructor; false when `timeout_ms` passed first.  For a clean
  // process end: the toolkit must not be shut down under a running worker.
  static bool WaitForAll(int timeout_ms);

 protected:
  ExitCode Entry() override;

 private:
  void* argument_;
  TaskFunction run_;
  TaskFunction finish_hook_;
};

#endif
