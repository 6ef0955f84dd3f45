#include "window/base/dh_static_text.h"

#include <wx/dcclient.h>

wxBEGIN_EVENT_TABLE(DhStaticText, DhStaticTextBase)
  EVT_ERASE_BACKGROUND(DhStaticText::OnEraseBackground)
wxEND_EVENT_TABLE()

DhStaticText::DhStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                           const wxPoint& pos, const wxSize& size, long style) {
  Create(parent, id, label, pos, size, style);
}

bool DhStaticText::Create(wxWindow* parent, wxWindowID id, const wxString& label,
                          const wxPoint& pos, const wxSize& size, long style) {
  if (!wxStaticText::Create(parent, id, label, pos, size, style)) return false;
  SetBackgroundStyle(wxBG_STYLE_ERASE);
  // Skinned labels write white unless the owner picks a colour.
  SetForegroundColour(*wxWHITE);
  return true;
}

void DhStaticText::PaintBackground(wxDC& dc) {
  if (!bg_.IsOk()) return;
  if (!piece_.GetPicture().IsSameAs(bg_)) piece_.SetPicture(bg_);
  piece_.Draw(dc, GetRect());
}

void DhStaticText::OnEraseBackground(wxEraseEvent& event) {
  if (event.GetDC() != nullptr) {
    PaintBackground(*event.GetDC());
  } else {
    wxClientDC dc(this);
    PaintBackground(dc);
  }
}
