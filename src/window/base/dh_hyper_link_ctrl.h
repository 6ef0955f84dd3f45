// A web link on a skin, over the piece of the parent's picture under it.
#ifndef TARNLY_WINDOW_BASE_DH_HYPER_LINK_CTRL_H
#define TARNLY_WINDOW_BASE_DH_HYPER_LINK_CTRL_H

#include "window/base/dh_piece_eraser.h"
#include "window/base/dh_hyper_link_ctrl_base.h"

class DhHyperLinkCtrl : public DhPieceEraser<DhHyperLinkCtrlBase> {
 public:
  DhHyperLinkCtrl() = default;
  DhHyperLinkCtrl(wxWindow* parent, wxWindowID id, const wxString& label, const wxString& url,
                  const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                  long style = wxHL_DEFAULT_STYLE);

  bool Create(wxWindow* parent, wxWindowID id, const wxString& label, const wxString& url,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxHL_DEFAULT_STYLE);
};

#endif
