// Engine tests run without a display: a console wx initialisation and a
// temporary HOME so no test touches the real user folders.
#include <gtest/gtest.h>
#include <wx/init.h>

#include "common/app_util.h"
#include "support/end_process.h"
#include "support/temp_home.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testsupport::UseTemporaryHome();
  wxInitializer initializer(argc, argv);
  if (!initializer.IsOk()) return 1;
  AppUtil::SetExecutablePath(wxString::FromUTF8(testsupport::StagedExecutablePath()));
  const int result = RUN_ALL_TESTS();
  return testsupport::EndTestProcess(result);
}
