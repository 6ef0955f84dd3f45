#include "common/file_util.h"

#include <cerrno>
#include <cstdio>
#include <mutex>

#include <unistd.h>

#include <wx/datetime.h>
#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "common/app_util.h"

bool FileUtil::PathExists(const wxString& path) {
  return wxFileName::FileExists(path) || wxFileName::DirExists(path);
}

void FileUtil::MakeDir(const wxString& path) {
  if (wxFileName::DirExists(path)) return;
  wxLogNull quiet;  // a failure is the caller's to find out later
  wxMkdir(path);
}

void FileUtil::ListFilesWithExtension(const wxString& folder, wxArrayString& files, const wxString& mask) {
  const int dot = mask.Find('.', true);
  const wxString wanted = dot == wxNOT_FOUND ? mask : mask.Mid(dot + 1);
  if (!wxFileName::DirExists(folder)) return;
  wxLogNull quiet;
  wxDir dir(folder);
  if (!dir.IsOpened()) return;
  wxString name;
  for (bool found = dir.GetFirst(&name, wxEmptyString, wxDIR_FILES); found; found = dir.GetNext(&name)) {
    const int name_dot = name.Find('.', true);
    if (name_dot == wxNOT_FOUND) continue;
    const wxString extension = name.Mid(name_dot + 1).Lower();
    if (extension == wanted) files.Add(folder + "/" + name);
  }
}

wxString FileUtil::UniqueDirName(const wxString& base) {
  wxString candidate = base;
  for (int n = 1; wxFileName::DirExists(candidate); ++n) candidate = base + wxString::Format("(%d)", n);
  return candidate;
}

wxString FileUtil::FormatSize(std::uint64_t bytes) {
  const double value = static_cast<double>(bytes);
  const double k = value / 1024;
  if (k < 1) return wxString::Format("%.1fB", value);
  const double m = k / 1024;
  if (m < 1) return wxString::Format("%.1fKB", k);
  const double g = m / 1024;
  if (g < 1) return wxString::Format("%.1fMB", m);
  return wxString::Format("%.1fGB", g);
}

wxString FileUtil::FileNameOf(const char* path) {
  const wxString text(path, *wxConvCurrent);
  const int slash = text.find_last_of("/\\");
  return slash == static_cast<int>(wxString::npos) ? text : text.Mid(slash + 1);
}

int FileUtil::CompareInts(const int* first, const int* second) { return *first - *second; }

bool FileUtil::WriteFileAtomically(const wxString& path, const std::string& contents) {
  const wxString temporary = path + ".tmp";
  const wxScopedCharBuffer temporary_name = temporary.fn_str();
  FILE* file = std::fopen(temporary_name.data(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  written = std::fflush(file) == 0 && written;
  written = fsync(fileno(file)) == 0 && written;
  written = std::fclose(file) == 0 && written;
  if (written) written = std::rename(temporary_name.data(), path.fn_str()) == 0;
  if (!written) std::remove(temporary_name.data());
  return written;
}

wxString FileUtil::GetLogFile() {
  const wxString folder = AppUtil::GetLogDir();
  MakeDir(folder);
  wxString day = wxDateTime::Now().Format("%Y-%m-%d");
  day.Replace("-", "");
  return folder + "/" + day + ".log";
}

void FileUtil::WriteLogLine(const wxString& text) {
  static std::mutex log_mutex;
  std::lock_guard<std::mutex> lock(log_mutex);
  const wxString line = "# " + wxDateTime::Now().Format("%H:%M:%S") + " " + text;
  const wxScopedCharBuffer utf8 = line.utf8_str();
  FILE* file = std::fopen(GetLogFile().fn_str(), "ab");
  if (file == nullptr) return;
  std::fwrite(utf8.data(), 1, utf8.length(), file);
  std::fclose(file);
}
