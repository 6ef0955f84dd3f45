// A native static picture that sits on a skin: it keeps the parent's whole
// background picture and declares itself transparent.
#ifndef TARNLY_WINDOW_BASE_DH_STATIC_BITMAP_BASE_H
#define TARNLY_WINDOW_BASE_DH_STATIC_BITMAP_BASE_H

#include <wx/bitmap.h>
#include <wx/statbmp.h>

class DhStaticBitmapBase : public wxStaticBitmap {
 public:
  // The parent's background picture; null forgets it (a reference-counted
  // copy is kept).
  void SetBackground(const wxBitmap* picture) { bg_ = picture ? *picture : wxNullBitmap; }
  bool HasTransparentBackground() override { return true; }

 protected:
  wxBitmap bg_;
};

#endif
