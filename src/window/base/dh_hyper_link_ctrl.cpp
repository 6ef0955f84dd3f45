#include "window/base/dh_hyper_link_ctrl.h"

DhHyperLinkCtrl::DhHyperLinkCtrl(wxWindow* parent, wxWindowID id, const wxString& label,
                                 const wxString& url, const wxPoint& pos, const wxSize& size,
                                 long style) {
  Create(parent, id, label, url, pos, size, style);
}

bool DhHyperLinkCtrl::Create(wxWindow* parent, wxWindowID id, const wxString& label,
                             const wxString& url, const wxPoint& pos, const wxSize& size,
                             long style) {
  if (!wxGenericHyperlinkCtrl::Create(parent, id, label, url, pos, size, style)) return false;
  UseEraseBackground();
  return true;
}
