// A picture on a skin, over the piece of the parent's picture under it.
#ifndef TARNLY_WINDOW_BASE_DH_STATIC_BITMAP_H
#define TARNLY_WINDOW_BASE_DH_STATIC_BITMAP_H

#include "window/base/dh_piece_eraser.h"
#include "window/base/dh_static_bitmap_base.h"

class DhStaticBitmap : public DhPieceEraser<DhStaticBitmapBase> {
 public:
  DhStaticBitmap() = default;
  DhStaticBitmap(wxWindow* parent, wxWindowID id, const wxBitmap& picture,
                 const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                 long style = 0);

  bool Create(wxWindow* parent, wxWindowID id, const wxBitmap& picture,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = 0);
};

#endif
