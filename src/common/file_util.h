// File-system operations and the daily run log.
#ifndef TARNLY_COMMON_FILE_UTIL_H
#define TARNLY_COMMON_FILE_UTIL_H

#include <cstdint>

#include <wx/arrstr.h>
#include <wx/string.h>

class FileUtil {
 public:
  virtual ~FileUtil() = default;

  // True if a file or a folder of that name exists.
  static bool PathExists(const wxString& path);
  // Creates one folder level; failure (also an existing folder) is silent.
  static void MakeDir(const wxString& path);
  // Appends folder + "/" + name for every plain, visible file of `folder`
  // whose extension, lower-cased, equals the extension of `mask` ("*.pdf").
  static void ListFilesWithExtension(const wxString& folder, wxArrayString& files, const wxString& mask);
  // The first of base, base(1), base(2), ... that is not an existing folder.
  static wxString UniqueDirName(const wxString& base);
  // "%.1f" in B, KB, MB or GB (powers of 1024); terabytes stay in GB.
  static wxString FormatSize(std::uint64_t bytes);
  // The last path component of an 8-bit path in the current locale encoding.
  static wxString FileNameOf(const char* path);
  // qsort-style comparison of two ints.
  static int CompareInts(const int* first, const int* second);

  // Writes `contents` to `path` through a temporary file beside it and a
  // rename, so the old file survives a full disk or a crash mid-write.
  static bool WriteFileAtomically(const wxString& path, const std::string& contents);

  // Today's run log file, "<user data>/Log/YYYYMMDD.log"; creates the folder.
  static wxString GetLogFile();
  // Appends "# HH:MM:SS " + text to today's log, in UTF-8.  Serialised, so
  // any thread may log.  A line that cannot be written is dropped.
  static void WriteLogLine(const wxString& text);
};

#endif
