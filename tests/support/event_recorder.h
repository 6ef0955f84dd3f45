// Stands in for the file list window in engine tests: records every event
// a driver queues to it, from any thread, with the time it arrived.
//
//   testsupport::EventRecorder list;
//   driver.SetOwner(&list, 2006);
//   driver.StartConvert(std::move(job));
//   ASSERT_TRUE(list.WaitForCount(EVT_CONVERT_FINISHED, 1));
#ifndef TARNLY_TESTS_SUPPORT_EVENT_RECORDER_H
#define TARNLY_TESTS_SUPPORT_EVENT_RECORDER_H

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include <wx/event.h>

#include "domain/file_row_array.h"

namespace testsupport {

struct RecordedEvent {
  wxEventType type = wxEVT_NULL;
  int id = 0;
  int int_value = 0;
  // Cell render events only.
  int row = -1;
  int column = -1;
  int state = 0;
  // Files-loaded events only: the rows taken from the event.
  std::shared_ptr<FileRowArray> rows;
  std::chrono::steady_clock::time_point arrived;
};

class EventRecorder : public wxEvtHandler {
 public:
  // Called by wxQueueEvent on the sending thread; takes the event.
  void QueueEvent(wxEvent* event) override;

  std::vector<RecordedEvent> Events() const;
  int Count(wxEventType type) const;
  // Cell render events of one row, in arrival order.
  std::vector<RecordedEvent> CellEvents(int row) const;

  // Waits until `count` events of `type` arrived; false on timeout.
  bool WaitForCount(wxEventType type, int count,
                    std::chrono::milliseconds timeout = std::chrono::seconds(120));
  // Waits until `done` holds for the events so far; false on timeout.
  bool WaitUntil(const std::function<bool(const std::vector<RecordedEvent>&)>& done,
                 std::chrono::milliseconds timeout = std::chrono::seconds(120));

 private:
  mutable std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<RecordedEvent> events_;
};

// Delivers the events queued so far to their handlers, as one pass of an
// event loop would.
void DeliverPending();
// Delivers queued events until `done` holds; false when `timeout` passed.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(60));

}  // namespace testsupport

#endif
