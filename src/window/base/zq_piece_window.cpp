#include "window/base/zq_piece_window.h"

#include <wx/dcbuffer.h>

wxIMPLEMENT_DYNAMIC_CLASS(ZqPieceWindow, wxPanel);

wxBEGIN_EVENT_TABLE(ZqPieceWindow, wxPanel)
  EVT_PAINT(ZqPieceWindow::OnPaint)
wxEND_EVENT_TABLE()

ZqPieceWindow::ZqPieceWindow(wxWindow* parent, wxBitmap* background, wxWindowID id,
                             const wxPoint& pos, const wxSize& size, long style,
                             const wxString& name) {
  Create(parent, background, id, pos, size, style, name);
}

ZqPieceWindow::~ZqPieceWindow() { delete background_; }

bool ZqPieceWindow::Create(wxWindow* parent, wxBitmap* background, wxWindowID id,
                           const wxPoint& pos, const wxSize& size, long style,
                           const wxString& name) {
  if (!wxPanel::Create(parent, id, pos, size, style, name)) return false;
  // The pane paints every pixel itself: no erase before painting.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  background_ = background;
  return true;
}

void ZqPieceWindow::Update(CjxSubject* /*subject*/, void* /*payload*/) {}

void ZqPieceWindow::Draw(wxDC& dc) {
  if (background_ && background_->IsOk()) dc.DrawBitmap(*background_, 0, 0, true);
}

void ZqPieceWindow::OnPaint(wxPaintEvent& /*event*/) {
  wxBufferedPaintDC dc(this);
  // The buffer starts undefined; where the picture does not reach (no
  // picture, or a pane larger than it) show the window colour, not noise.
  const wxSize client = GetClientSize();
  const bool covered = background_ && background_->IsOk() &&
                       background_->GetWidth() >= client.x &&
                       background_->GetHeight() >= client.y;
  if (!covered) {
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
  }
  Draw(dc);
}
