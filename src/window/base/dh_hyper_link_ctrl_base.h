// The toolkit's generic hyperlink on a skin: it keeps the parent's whole
// background picture and declares itself transparent.
#ifndef TARNLY_WINDOW_BASE_DH_HYPER_LINK_CTRL_BASE_H
#define TARNLY_WINDOW_BASE_DH_HYPER_LINK_CTRL_BASE_H

#include <wx/hyperlink.h>
#include <wx/generic/hyperlink.h>

#include "window/base/dh_transparent_static.h"

class DhHyperLinkCtrlBase : public DhTransparentStatic<wxGenericHyperlinkCtrl> {};

#endif
