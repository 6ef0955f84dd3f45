#include "common/platform_util.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

namespace {

bool LaunchDetached(const wxString& program, const wxString& argument) {
  // Async: the interface never waits for the launcher or the file manager.
  const char* argv[] = {nullptr, nullptr, nullptr};
  const wxScopedCharBuffer program_utf8 = program.utf8_str();
  const wxScopedCharBuffer argument_utf8 = argument.utf8_str();
  argv[0] = program_utf8.data();
  argv[1] = argument_utf8.data();
  return wxExecute(argv, wxEXEC_ASYNC | wxEXEC_MAKE_GROUP_LEADER) > 0;
}

}  // namespace

wxString PlatformUtil::GetDocumentsDir() {
  wxString dir = wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Documents);
  if (dir.empty() || !wxFileName::DirExists(dir)) dir = wxGetHomeDir();
  dir.Replace("\\", "/");
  while (dir.length() > 1 && dir.EndsWith("/")) dir.RemoveLast();
  return dir;
}

bool PlatformUtil::OpenFolder(const wxString& folder) {
  wxString native = folder;
  native.Replace("\\", "/");
  return LaunchDetached("xdg-open", native);
}

bool PlatformUtil::OpenUrl(const wxString& url) { return LaunchDetached("xdg-open", url); }
