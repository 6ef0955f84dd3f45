#include "window/main_app.h"

#include <cstdio>

#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/image.h>

#include "common/app_util.h"
#include "domain/domain_config.h"
#include "domain/domain_option.h"
#include "window/base/face_config.h"

wxIMPLEMENT_APP(MainApp);

void DeleteSettingsObject() {
  DomainConfig*& config = TheConfig();
  delete config;
  config = nullptr;
}

bool MainApp::OnInit() {
  // The program takes no options of its own; the toolkit's are not offered.
  const wxString settings_file = AppUtil::GetSettingsFile();
  TheConfig() = new DomainConfig(settings_file);

  DomainOption option;
  if (!option.Load())
    std::fprintf(stderr, "option file %s could not be read; web addresses are empty\n",
                 AppUtil::GetOptionFile().utf8_str().data());

  wxFileSystem::AddHandler(new wxArchiveFSHandler);
  wxInitAllImageHandlers();

  if (LoadFace(AppUtil::GetFaceFile()) != 0)
    std::fprintf(stderr, "face description %s could not be opened\n", AppUtil::GetFaceFile().utf8_str().data());

  main_frame_ = CreateMainFrameByName();
  // Without a frame nothing was shown or changed: the settings file stays as
  // loaded and the toolkit skips OnExit.
  if (main_frame_ == nullptr) return false;
  main_frame_->Create(nullptr, kMainFrameId, AppUtil::GetProductName());
  SetTopWindow(main_frame_);
  main_frame_->Show();
  return true;
}

wxFrame* MainApp::CreateMainFrameByName() {
  wxObject* object = wxCreateDynamicObject(FrameClassName());
  const wxClassInfo* base = wxClassInfo::FindClass("MainFrame");
  if (object == nullptr || base == nullptr || !object->GetClassInfo()->IsKindOf(base)) {
    delete object;
    std::fprintf(stderr, "%s: no main window class \"%s\" is available; nothing to show\n",
                 AppUtil::GetProductName().utf8_str().data(), FrameClassName());
    return nullptr;
  }
  return static_cast<wxFrame*>(object);
}

int MainApp::OnExit() {
  DeleteSettingsObject();
  return 0;
}
