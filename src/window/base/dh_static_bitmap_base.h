// A native static picture on a skin: it keeps the parent's whole background
// picture and declares itself transparent.
#ifndef TARNLY_WINDOW_BASE_DH_STATIC_BITMAP_BASE_H
#define TARNLY_WINDOW_BASE_DH_STATIC_BITMAP_BASE_H

#include <wx/statbmp.h>

#include "window/base/dh_transparent_static.h"

class DhStaticBitmapBase : public DhTransparentStatic<wxStaticBitmap> {};

#endif
