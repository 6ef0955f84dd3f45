#include "window/base/dh_static_bitmap.h"

#include <wx/dcclient.h>

wxBEGIN_EVENT_TABLE(DhStaticBitmap, DhStaticBitmapBase)
  EVT_ERASE_BACKGROUND(DhStaticBitmap::OnEraseBackground)
wxEND_EVENT_TABLE()

DhStaticBitmap::DhStaticBitmap(wxWindow* parent, wxWindowID id, const wxBitmap& picture,
                               const wxPoint& pos, const wxSize& size, long style) {
  Create(parent, id, picture, pos, size, style);
}

bool DhStaticBitmap::Create(wxWindow* parent, wxWindowID id, const wxBitmap& picture,
                            const wxPoint& pos, const wxSize& size, long style) {
  if (!wxStaticBitmap::Create(parent, id, picture, pos, size, style)) return false;
  SetBackgroundStyle(wxBG_STYLE_ERASE);
  return true;
}

void DhStaticBitmap::PaintBackground(wxDC& dc) {
  if (!bg_.IsOk()) return;
  if (!piece_.GetPicture().IsSameAs(bg_)) piece_.SetPicture(bg_);
  piece_.Draw(dc, GetRect());
}

void DhStaticBitmap::OnEraseBackground(wxEraseEvent& event) {
  if (event.GetDC() != nullptr) {
    PaintBackground(*event.GetDC());
  } else {
    wxClientDC dc(this);
    PaintBackground(dc);
  }
}
