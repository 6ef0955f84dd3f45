// Helpers for the skin tests: modal dialogs caught by gtest instead of
// waiting for a user, event pumping, and pixel reading.
#ifndef TARNLY_TESTS_GUI_SKIN_BASE_TEST_UTIL_H
#define TARNLY_TESTS_GUI_SKIN_BASE_TEST_UTIL_H

#include <gtest/gtest.h>

// wxTEST_DIALOG uses this hook class; it is defined below the include,
// which is fine as the macro only names it where a test expands it.
#define wxTEST_DIALOG_HOOK_CLASS SkinTestModalHook
#include <wx/testing.h>

// Reports an unexpected dialog as a test failure and dismisses it, so a
// wrong expectation never hangs the run.  wxTEST_DIALOG(code, expected...)
// uses it; for code that must show no dialog at all, keep one of these
// alive around the code.
class SkinTestModalHook : public wxTestingModalHook {
 public:
  SkinTestModalHook(const char* file = nullptr, int line = 0, const char* func = nullptr)
      : wxTestingModalHook(file, line, func) {}

 protected:
  int Enter(wxDialog* dialog) override {
    const int result = wxTestingModalHook::Enter(dialog);
    return result == wxID_NONE ? wxID_CANCEL : result;
  }
  void ReportFailure(const wxString& message) override {
    ADD_FAILURE() << message.utf8_string();
  }
};

class wxWindow;
class wxImage;

namespace skintest {

// What the screen shows of `window`'s client area (read back from the X
// server, so it is what the user would see).
wxImage CaptureClientArea(wxWindow* window);

// Lets the toolkit map, move and paint windows.
void Pump(int rounds = 20);

// Repeatedly pumps until `done` answers true or about two seconds passed.
template <typename Done>
bool PumpUntil(Done done) {
  for (int i = 0; i < 200; ++i) {
    if (done()) return true;
    Pump(1);
  }
  return done();
}

}  // namespace skintest

#endif
