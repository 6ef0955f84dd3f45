#include "support/event_recorder.h"

#include <thread>

#include <wx/app.h>

#include "domain/dh_grid_cell_render_command_event.h"
#include "domain/domain_events.h"

namespace testsupport {

void EventRecorder::QueueEvent(wxEvent* event) {
  std::unique_ptr<wxEvent> owned(event);
  RecordedEvent record;
  record.type = event->GetEventType();
  record.id = event->GetId();
  record.arrived = std::chrono::steady_clock::now();
  if (auto* command = dynamic_cast<wxCommandEvent*>(event)) {
    record.int_value = command->GetInt();
    if (record.type == EVT_FILES_LOADED) record.rows = FileRowArray::TakeFrom(*command);
  }
  if (auto* cell = dynamic_cast<DhGridCellRenderCommandEvent*>(event)) {
    record.row = cell->GetRow();
    record.column = cell->GetColumn();
    record.state = cell->GetState();
  }
  std::lock_guard<std::mutex> lock(mutex_);
  events_.push_back(record);
  arrived_.notify_all();
}

std::vector<RecordedEvent> EventRecorder::Events() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return events_;
}

int EventRecorder::Count(wxEventType type) const {
  std::lock_guard<std::mutex> lock(mutex_);
  int count = 0;
  for (const RecordedEvent& event : events_) count += event.type == type ? 1 : 0;
  return count;
}

std::vector<RecordedEvent> EventRecorder::CellEvents(int row) const {
  std::vector<RecordedEvent> cells;
  for (const RecordedEvent& event : Events())
    if (event.type == EVT_CELL_RENDER && event.row == row) cells.push_back(event);
  return cells;
}

bool EventRecorder::WaitForCount(wxEventType type, int count, std::chrono::milliseconds timeout) {
  return WaitUntil(
      [type, count](const std::vector<RecordedEvent>& events) {
        int seen = 0;
        for (const RecordedEvent& event : events) seen += event.type == type ? 1 : 0;
        return seen >= count;
      },
      timeout);
}

bool EventRecorder::WaitUntil(const std::function<bool(const std::vector<RecordedEvent>&)>& done,
                              std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return arrived_.wait_for(lock, timeout, [&] { return done(events_); });
}

void DeliverPending() {
  // The application keeps the list of handlers with pending events; asking
  // a handler that has none trips a toolkit assertion.
  if (wxTheApp != nullptr) wxTheApp->ProcessPendingEvents();
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    DeliverPending();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace testsupport
