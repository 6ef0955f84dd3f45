// A native static text on a skin: it keeps the parent's whole background
// picture and declares itself transparent.
#ifndef TARNLY_WINDOW_BASE_DH_STATIC_TEXT_BASE_H
#define TARNLY_WINDOW_BASE_DH_STATIC_TEXT_BASE_H

#include <wx/stattext.h>

#include "window/base/dh_transparent_static.h"

class DhStaticTextBase : public DhTransparentStatic<wxStaticText> {};

#endif
