#include "common/app_util.h"

#include <mutex>

#include <wx/stdpaths.h>

#include "common/file_util.h"
#include "common/platform_util.h"

namespace {

const char kMakerName[] = "Corvane";
const char kProductCode[] = "QUENTA_VOSK";
const char kVersion[] = "2.1.8";
const char kStoredProductName[] = "Corvane+Tarnly";

std::mutex& ExePathMutex() {
  static std::mutex mutex;
  return mutex;
}

wxString& ExePathOverride() {
  static wxString path;
  return path;
}

wxString CutBeforeLastSlash(const wxString& path) {
  const int slash = path.Find('/', true);
  return slash == wxNOT_FOUND ? wxString() : path.Left(slash);
}

// documents/<maker><suffix>/<product>, both levels created when missing.
wxString MakeDocumentsSubDir(const wxString& suffix) {
  wxString dir = AppUtil::GetDocumentsDir();
  dir.Replace("\\", "/");
  dir += "/" + AppUtil::GetMakerName() + suffix;
  FileUtil::MakeDir(dir);
  dir += "/" + AppUtil::GetProductName();
  FileUtil::MakeDir(dir);
  return dir;
}

}  // namespace

wxString AppUtil::GetMakerName() { return wxString::FromUTF8(kMakerName); }
wxString AppUtil::GetProductCode() { return wxString::FromUTF8(kProductCode); }
wxString AppUtil::GetVersion() { return wxString::FromUTF8(kVersion); }

wxString AppUtil::GetProductName() {
  wxString name = wxString::FromUTF8(kStoredProductName);
  name.Replace("+", " ");
  return name;
}

void AppUtil::SetExecutablePath(const wxString& path) {
  std::lock_guard<std::mutex> lock(ExePathMutex());
  ExePathOverride() = path;
}

wxString AppUtil::GetExecutablePath() {
  {
    std::lock_guard<std::mutex> lock(ExePathMutex());
    if (!ExePathOverride().empty()) return ExePathOverride();
  }
  return wxStandardPaths::Get().GetExecutablePath();
}

wxString AppUtil::ExeDirFromPath(const wxString& exe_path) {
  wxString path = exe_path;
  path.Replace("\\", "/");
  return CutBeforeLastSlash(path);
}

wxString AppUtil::GetExeDir() { return ExeDirFromPath(GetExecutablePath()); }
wxString AppUtil::GetInstallDir() { return CutBeforeLastSlash(GetExeDir()); }
wxString AppUtil::GetDocumentsDir() { return PlatformUtil::GetDocumentsDir(); }
wxString AppUtil::GetDefaultOutputDir() { return MakeDocumentsSubDir(wxString()); }
wxString AppUtil::GetUserDataDir() { return MakeDocumentsSubDir(" files"); }
wxString AppUtil::GetSettingsFile() { return GetUserDataDir() + "/" + GetProductCode() + ".cfg"; }
wxString AppUtil::GetLanguageFile() { return GetUserDataDir() + "/language.txt"; }
wxString AppUtil::GetOptionFile() { return GetInstallDir() + "/option.cfg"; }
wxString AppUtil::GetFaceFile() { return GetInstallDir() + "/Themes/face.xml"; }
wxString AppUtil::GetThemeArchive() { return GetInstallDir() + "/Themes/default.zip"; }
wxString AppUtil::GetLogDir() { return GetUserDataDir() + "/Log"; }
