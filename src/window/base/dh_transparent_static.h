// What the bases of the skinned static controls share: the parent's whole
// background picture and the answer that makes the toolkit draw the native
// text or picture on a transparent background.
#ifndef TARNLY_WINDOW_BASE_DH_TRANSPARENT_STATIC_H
#define TARNLY_WINDOW_BASE_DH_TRANSPARENT_STATIC_H

#include <wx/bitmap.h>

template <typename Control>
class DhTransparentStatic : public Control {
 public:
  // The parent's background picture; null forgets it.  A reference-counted
  // copy is kept, so the parent may replace or free its own.
  void SetBackground(const wxBitmap* picture) { bg_ = picture ? *picture : wxNullBitmap; }
  bool HasTransparentBackground() override { return true; }

 protected:
  wxBitmap bg_;
};

#endif
