// A label on a skin: white text by default over the piece of the parent's
// picture that lies under it.
#ifndef TARNLY_WINDOW_BASE_DH_STATIC_TEXT_H
#define TARNLY_WINDOW_BASE_DH_STATIC_TEXT_H

#include "window/base/dh_background_piece.h"
#include "window/base/dh_static_text_base.h"

class DhStaticText : public DhStaticTextBase {
 public:
  DhStaticText() = default;
  DhStaticText(wxWindow* parent, wxWindowID id, const wxString& label,
               const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
               long style = 0);

  bool Create(wxWindow* parent, wxWindowID id, const wxString& label,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = 0);

  wxRect GetBackgroundCutRect() const { return piece_.GetCutRect(); }
  // Paints the piece under the label (what an erase does).
  void PaintBackground(wxDC& dc);

 private:
  void OnEraseBackground(wxEraseEvent& event);

  DhBackgroundPiece piece_;

  wxDECLARE_EVENT_TABLE();
};

#endif
