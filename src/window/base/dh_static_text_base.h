// A native static text that sits on a skin: it keeps the parent's whole
// background picture and declares itself transparent.
#ifndef TARNLY_WINDOW_BASE_DH_STATIC_TEXT_BASE_H
#define TARNLY_WINDOW_BASE_DH_STATIC_TEXT_BASE_H

#include <wx/bitmap.h>
#include <wx/stattext.h>

class DhStaticTextBase : public wxStaticText {
 public:
  // The parent's background picture; null forgets it.  A reference-counted
  // copy is kept, so the parent may replace or free its own.
  void SetBackground(const wxBitmap* picture) { bg_ = picture ? *picture : wxNullBitmap; }
  bool HasTransparentBackground() override { return true; }

 protected:
  wxBitmap bg_;
};

#endif
