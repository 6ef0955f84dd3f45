#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "common/task_thread.h"

namespace {

std::atomic<int> g_deleted{0};

struct Argument {
  ~Argument() { ++g_deleted; }
  std::thread::id ran_on;
};

void RunAndFree(void* raw) {
  auto* argument = static_cast<Argument*>(raw);
  argument->ran_on = std::this_thread::get_id();
  delete argument;
}

bool WaitFor(const std::function<bool()>& done) {
  for (int i = 0; i < 500 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return done();
}

}  // namespace

TEST(TaskThread, RunsTheTaskOnAWorkerWhichFreesItsArgumentOnce) {
  g_deleted = 0;
  ASSERT_TRUE(TaskThread::Start(new Argument, RunAndFree));
  ASSERT_TRUE(WaitFor([] { return g_deleted.load() == 1; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(g_deleted.load(), 1);
}

TEST(TaskThread, HooksRunAroundTheTaskAndANullTaskDoesNothing) {
  static std::atomic<int> started{0}, finished{0};
  started = finished = 0;
  int marker = 0;
  auto* thread = new TaskThread(
      &marker, nullptr, [](void*) { ++started; }, [](void*) { ++finished; });
  EXPECT_EQ(started.load(), 1) << "the start hook runs in the constructor";
  ASSERT_EQ(thread->Run(), wxTHREAD_NO_ERROR);
  ASSERT_TRUE(WaitFor([] { return finished.load() == 1; }));
  EXPECT_EQ(marker, 0);
}
