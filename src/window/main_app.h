// The application object: brings up the process-wide services in a fixed
// order and opens the product's main frame, found by class name.
#ifndef TARNLY_WINDOW_MAIN_APP_H
#define TARNLY_WINDOW_MAIN_APP_H

#include <wx/app.h>
#include <wx/frame.h>

class MainApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;

  wxFrame* GetMainFrame() const { return main_frame_; }

  // Name under which the product frame registers itself.
  static const char* FrameClassName() { return "MainFrameRAZ2ODAVO"; }
  static constexpr int kMainFrameId = 2000;

 private:
  // Creates the frame class by name, or null (with one line on stderr) when
  // it is missing or does not derive from MainFrame.
  wxFrame* CreateMainFrameByName();

  wxFrame* main_frame_ = nullptr;  // owned by the toolkit
};

// Deletes the settings object (writing the settings file) once.
void DeleteSettingsObject();

#endif
