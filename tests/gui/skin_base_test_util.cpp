#include "gui/skin_base_test_util.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/window.h>
#include <wx/utils.h>

#include "gui/screen_capture.h"

namespace skintest {

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    // The tests run without a main loop; wxYield makes a temporary one.
    wxTheApp->ProcessPendingEvents();
    wxYield();
    // Idle time is also when destroyed windows really go away.
    wxTheApp->ProcessIdle();
    wxMilliSleep(10);
  }
}

wxImage CaptureClientArea(wxWindow* window) { return screencap::CaptureClientArea(window); }

}  // namespace skintest
