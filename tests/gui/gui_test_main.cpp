// Interface tests: a real wxApp on the X display (Xvfb in CI), a temporary
// HOME, the staged installation tree (theme, face description) loaded as
// the program loads them at start-up.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/init.h>

#include "common/app_util.h"
#include "support/end_process.h"
#include "support/temp_home.h"
#include "window/base/face_config.h"

namespace {

class GuiTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests (ctest's discovery) needs no display.
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  testsupport::UseTemporaryHome();
  wxApp::SetInstance(new GuiTestApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "cannot open the display; the interface tests need X (run under Xvfb)\n");
    return 1;
  }
  AppUtil::SetExecutablePath(wxString::FromUTF8(testsupport::StagedExecutablePath()));
  wxFileSystem::AddHandler(new wxArchiveFSHandler);
  wxInitAllImageHandlers();
  LoadFace(AppUtil::GetFaceFile());
  const int result = RUN_ALL_TESTS();
  return testsupport::EndTestProcess(result);
}
