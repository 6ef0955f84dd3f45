#include "gui/screen_capture.h"

#include <gtest/gtest.h>

#include <wx/window.h>

#include "window/base/gtk/screen_grabber.h"

namespace screencap {

wxImage CaptureScreen(const wxRect& area) {
  wxImage image;
  if (!ScreenGrabber::Grab(area, &image)) ADD_FAILURE() << "the screen cannot be read";
  return image;
}

wxImage CaptureClientArea(wxWindow* window) {
  return CaptureScreen(wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize()));
}

}  // namespace screencap
