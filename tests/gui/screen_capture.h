// Reading the screen back in the interface tests: what the X server shows
// now, which is what the user would see.
#ifndef TARNLY_TESTS_GUI_SCREEN_CAPTURE_H
#define TARNLY_TESTS_GUI_SCREEN_CAPTURE_H

#include <wx/gdicmn.h>
#include <wx/image.h>

class wxWindow;

namespace screencap {

// The pixels of `area` (screen coordinates).  A screen that cannot be read
// is a test failure and gives a black picture of the asked size.
wxImage CaptureScreen(const wxRect& area);
// The pixels of the window's client area.
wxImage CaptureClientArea(wxWindow* window);

}  // namespace screencap

#endif
