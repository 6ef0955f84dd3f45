// Dragging a borderless window by one of its own areas: the grab point stays
// under the pointer.  The caller keeps the drag offset between the steps.
#ifndef TARNLY_WINDOW_BASE_DH_WINDOW_MOVE_H
#define TARNLY_WINDOW_BASE_DH_WINDOW_MOVE_H

#include <wx/event.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

class DhWindowMove {
 public:
  virtual ~DhWindowMove() = default;

  // Left button down on `event_window`: capture the mouse and remember
  // where `moved` was grabbed (pointer on screen minus its position).
  static void BeginMove(wxWindow* moved, wxWindow* event_window, const wxMouseEvent& event,
                        wxPoint& offset);
  // Motion with the left button down while `event_window` holds the
  // capture: put `moved` at the pointer minus the offset.
  static void DoMove(wxWindow* moved, wxWindow* event_window, const wxMouseEvent& event,
                     const wxPoint& offset);
  // Left button up: give the capture back.
  static void EndMove(wxWindow* moved, wxWindow* event_window, const wxMouseEvent& event,
                      wxPoint& offset);

 private:
  static void OnCaptureLost(wxMouseCaptureLostEvent& event);
};

#endif
