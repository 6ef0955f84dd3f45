#include "window/base/dh_window_move.h"

void DhWindowMove::BeginMove(wxWindow* moved, wxWindow* event_window,
                             const wxMouseEvent& event, wxPoint& offset) {
  if (!moved || !event_window) return;
  // A second press without a release keeps the capture it already holds
  // (capturing twice would need two releases) and only takes a new offset.
  if (!event_window->HasCapture()) {
    // The toolkit insists that a window holding the capture handles losing
    // it; the drag simply ends then, as DoMove checks the capture.
    event_window->Unbind(wxEVT_MOUSE_CAPTURE_LOST, &DhWindowMove::OnCaptureLost);
    event_window->Bind(wxEVT_MOUSE_CAPTURE_LOST, &DhWindowMove::OnCaptureLost);
    event_window->CaptureMouse();
  }
  const wxPoint screen = event_window->ClientToScreen(event.GetPosition());
  offset = screen - moved->GetPosition();
}

void DhWindowMove::DoMove(wxWindow* moved, wxWindow* event_window, const wxMouseEvent& event,
                          const wxPoint& offset) {
  if (!moved || !event_window) return;
  if (event.GetEventType() != wxEVT_MOTION || !event.LeftIsDown() ||
      !event_window->HasCapture()) {
    return;
  }
  const wxPoint screen = event_window->ClientToScreen(event.GetPosition());
  moved->Move(screen - offset);
}

void DhWindowMove::EndMove(wxWindow* /*moved*/, wxWindow* event_window,
                           const wxMouseEvent& /*event*/, wxPoint& /*offset*/) {
  if (event_window && event_window->HasCapture()) event_window->ReleaseMouse();
}

void DhWindowMove::OnCaptureLost(wxMouseCaptureLostEvent& /*event*/) {}
