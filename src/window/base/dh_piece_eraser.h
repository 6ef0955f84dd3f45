// What the skinned static controls share on top of their base: when asked
// to erase, they paint the piece of the parent's picture that lies under
// them, so the native text or picture drawn next sits on the skin.  `Base`
// is one of the DhTransparentStatic bases (it holds `bg_`).
#ifndef TARNLY_WINDOW_BASE_DH_PIECE_ERASER_H
#define TARNLY_WINDOW_BASE_DH_PIECE_ERASER_H

#include <wx/dcclient.h>
#include <wx/event.h>

#include "window/base/dh_background_piece.h"

template <typename Base>
class DhPieceEraser : public Base {
 public:
  wxRect GetBackgroundCutRect() const { return piece_.GetCutRect(); }

  // Paints the piece under the control (what an erase does); nothing
  // without a background picture.
  void PaintBackground(wxDC& dc) {
    if (!this->bg_.IsOk()) return;
    if (!piece_.GetPicture().IsSameAs(this->bg_)) piece_.SetPicture(this->bg_);
    piece_.Draw(dc, this->GetRect());
  }

 protected:
  // Called once the native control exists: the erase event must reach us.
  void UseEraseBackground() { this->SetBackgroundStyle(wxBG_STYLE_ERASE); }

 private:
  void OnEraseBackground(wxEraseEvent& event) {
    if (event.GetDC() != nullptr) {
      PaintBackground(*event.GetDC());
    } else {
      wxClientDC dc(this);
      PaintBackground(dc);
    }
  }

  DhBackgroundPiece piece_;

  wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE_TEMPLATE1(DhPieceEraser, Base, Base)
  EVT_ERASE_BACKGROUND(DhPieceEraser<Base>::OnEraseBackground)
wxEND_EVENT_TABLE()

#endif
