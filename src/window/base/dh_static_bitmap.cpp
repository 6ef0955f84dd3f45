#include "window/base/dh_static_bitmap.h"

DhStaticBitmap::DhStaticBitmap(wxWindow* parent, wxWindowID id, const wxBitmap& picture,
                               const wxPoint& pos, const wxSize& size, long style) {
  Create(parent, id, picture, pos, size, style);
}

bool DhStaticBitmap::Create(wxWindow* parent, wxWindowID id, const wxBitmap& picture,
                            const wxPoint& pos, const wxSize& size, long style) {
  if (!wxStaticBitmap::Create(parent, id, picture, pos, size, style)) return false;
  UseEraseBackground();
  return true;
}
