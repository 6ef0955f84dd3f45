// Progress or final state of one status cell, queued by the conversion to
// the file list (event type EVT_CELL_RENDER).
#ifndef TARNLY_DOMAIN_DH_GRID_CELL_RENDER_COMMAND_EVENT_H
#define TARNLY_DOMAIN_DH_GRID_CELL_RENDER_COMMAND_EVENT_H

#include <wx/event.h>

class DhGridCellRenderCommandEvent : public wxCommandEvent {
 public:
  // Cell states carried by the event.
  enum State { kProgress = 1, kStopped = 2, kFailed = 3 };

  DhGridCellRenderCommandEvent(wxEventType type = wxEVT_NULL, int id = 0);
  DhGridCellRenderCommandEvent(const DhGridCellRenderCommandEvent& other) = default;

  wxEvent* Clone() const override { return new DhGridCellRenderCommandEvent(*this); }

  // The percent travels as the command event's integer.
  int GetPercent() const { return GetInt(); }
  void SetPercent(int percent) { SetInt(percent); }
  int GetRow() const { return row_; }
  void SetRow(int row) { row_ = row; }
  int GetColumn() const { return column_; }
  void SetColumn(int column) { column_ = column; }
  int GetState() const { return state_; }
  void SetState(int state) { state_ = state; }

 private:
  int row_ = 0;
  int column_ = 0;
  int state_ = kProgress;

  wxDECLARE_DYNAMIC_CLASS_NO_ASSIGN(DhGridCellRenderCommandEvent);
};

#endif
