#include "window/base/dh_static_text.h"

DhStaticText::DhStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
                           const wxPoint& pos, const wxSize& size, long style) {
  Create(parent, id, label, pos, size, style);
}

bool DhStaticText::Create(wxWindow* parent, wxWindowID id, const wxString& label,
                          const wxPoint& pos, const wxSize& size, long style) {
  if (!wxStaticText::Create(parent, id, label, pos, size, style)) return false;
  UseEraseBackground();
  // Skinned labels write white unless the owner picks a colour.
  SetForegroundColour(*wxWHITE);
  return true;
}
