#include "window/base/dh_background_piece.h"

void DhBackgroundPiece::SetPicture(const wxBitmap& picture) {
  picture_ = picture;
  piece_ = wxNullBitmap;
  cut_rect_ = wxRect();
}

void DhBackgroundPiece::Draw(wxDC& dc, const wxRect& area) {
  if (!picture_.IsOk()) return;
  if (area != cut_rect_) Cut(area);
  if (piece_.IsOk()) dc.DrawBitmap(piece_, piece_offset_, false);
}

void DhBackgroundPiece::Cut(const wxRect& area) {
  cut_rect_ = area;
  piece_ = wxNullBitmap;
  // Only the part that exists is cut: a control reaching past the picture's
  // edge (or starting left of or above it) shows what is there.
  const wxRect visible = area.Intersect(wxRect(picture_.GetSize()));
  if (visible.width < 1 || visible.height < 1) return;
  piece_ = picture_.GetSubBitmap(visible);
  piece_offset_ = visible.GetTopLeft() - area.GetTopLeft();
}
