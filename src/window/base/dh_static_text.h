// A label on a skin: white text by default over the piece of the parent's
// picture that lies under it.
#ifndef TARNLY_WINDOW_BASE_DH_STATIC_TEXT_H
#define TARNLY_WINDOW_BASE_DH_STATIC_TEXT_H

#include "window/base/dh_piece_eraser.h"
#include "window/base/dh_static_text_base.h"

class DhStaticText : public DhPieceEraser<DhStaticTextBase> {
 public:
  DhStaticText() = default;
  DhStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
               const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
               long style = 0);

  bool Create(wxWindow* parent, wxWindowID id, const wxString& label,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = 0);
};

#endif
