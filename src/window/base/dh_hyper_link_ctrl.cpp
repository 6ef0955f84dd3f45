#include "window/base/dh_hyper_link_ctrl.h"

#include <wx/dcclient.h>

wxBEGIN_EVENT_TABLE(DhHyperLinkCtrl, DhHyperLinkCtrlBase)
  EVT_ERASE_BACKGROUND(DhHyperLinkCtrl::OnEraseBackground)
wxEND_EVENT_TABLE()

DhHyperLinkCtrl::DhHyperLinkCtrl(wxWindow* parent, wxWindowID id, const wxString& label,
                                 const wxString& url, const wxPoint& pos, const wxSize& size,
                                 long style) {
  Create(parent, id, label, url, pos, size, style);
}

bool DhHyperLinkCtrl::Create(wxWindow* parent, wxWindowID id, const wxString& label,
                             const wxString& url, const wxPoint& pos, const wxSize& size,
                             long style) {
  if (!wxGenericHyperlinkCtrl::Create(parent, id, label, url, pos, size, style)) return false;
  SetBackgroundStyle(wxBG_STYLE_ERASE);
  return true;
}

void DhHyperLinkCtrl::PaintBackground(wxDC& dc) {
  if (!bg_.IsOk()) return;
  if (!piece_.GetPicture().IsSameAs(bg_)) piece_.SetPicture(bg_);
  piece_.Draw(dc, GetRect());
}

void DhHyperLinkCtrl::OnEraseBackground(wxEraseEvent& event) {
  if (event.GetDC() != nullptr) {
    PaintBackground(*event.GetDC());
  } else {
    wxClientDC dc(this);
    PaintBackground(dc);
  }
}
