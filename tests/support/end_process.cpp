#include "support/end_process.h"

#include <cstdio>
#include <cstdlib>

#include "common/task_thread.h"
#include "support/temp_home.h"

namespace testsupport {

int EndTestProcess(int result) {
  const bool all_finished = TaskThread::WaitForAll(30000);
  if (!all_finished) std::fprintf(stderr, "a task thread was still running at the end of the tests\n");
  std::fflush(stdout);
  std::fflush(stderr);
  // A detached worker may still be inside the toolkit's thread exit code for
  // a moment after its destructor; skip the toolkit's shutdown rather than
  // race it.  The exit handlers are skipped too, so clean up here.
  RemoveTemporaryHome();
  std::_Exit(all_finished ? result : 1);
}

}  // namespace testsupport
