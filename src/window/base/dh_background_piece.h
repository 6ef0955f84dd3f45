// The piece of a parent's background picture that lies under a child
// control.  Skinned controls draw it first so that they look transparent on
// the skin.  The piece is cut once per control rectangle and reused.
#ifndef TARNLY_WINDOW_BASE_DH_BACKGROUND_PIECE_H
#define TARNLY_WINDOW_BASE_DH_BACKGROUND_PIECE_H

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/gdicmn.h>

class DhBackgroundPiece {
 public:
  // The parent's whole picture (a reference-counted copy, so the control
  // never outlives the pixels it paints).  Forgets the last cut.
  void SetPicture(const wxBitmap& picture);
  const wxBitmap& GetPicture() const { return picture_; }
  bool HasPicture() const { return picture_.IsOk(); }

  // Draws the part of the picture under `area` (the control's rectangle in
  // its parent) at the device context's origin.  The part of `area` that
  // lies outside the picture is left untouched.
  void Draw(wxDC& dc, const wxRect& area);

  // The rectangle of the last cut, all zeros before the first one.
  const wxRect& GetCutRect() const { return cut_rect_; }

 private:
  void Cut(const wxRect& area);

  wxBitmap picture_;
  wxBitmap piece_;
  wxRect cut_rect_;
  wxPoint piece_offset_;  // where the piece starts inside the control
};

#endif
