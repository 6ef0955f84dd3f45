// Ends a test process without tearing the toolkit down under a worker
// thread that is still on its way out.
#ifndef TARNLY_TESTS_SUPPORT_END_PROCESS_H
#define TARNLY_TESTS_SUPPORT_END_PROCESS_H

namespace testsupport {

// Waits for every task thread, flushes the output and leaves with `result`
// (or 1 when a worker never finished, which is itself a fault).
int EndTestProcess(int result);

}  // namespace testsupport

#endif
