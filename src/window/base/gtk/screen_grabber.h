// Reads back what the X server shows now (for the review tool and the
// interface tests).  The toolkit's screen device context may hand back an
// older picture on GTK 3 after its first read; GDK reads the live pixels.
#ifndef TARNLY_WINDOW_BASE_GTK_SCREEN_GRABBER_H
#define TARNLY_WINDOW_BASE_GTK_SCREEN_GRABBER_H

#include <wx/gdicmn.h>
#include <wx/image.h>

class ScreenGrabber {
 public:
  virtual ~ScreenGrabber() = default;

  // The pixels of `area` in screen coordinates; false (and a black picture
  // of the asked size) when the screen cannot be read.
  static bool Grab(const wxRect& area, wxImage* image);
};

#endif
