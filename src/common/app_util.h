// Where the program's files live and the constants that name the product.
// Every folder uses "/" and never ends with one.
#ifndef TARNLY_COMMON_APP_UTIL_H
#define TARNLY_COMMON_APP_UTIL_H

#include <wx/string.h>

class AppUtil {
 public:
  virtual ~AppUtil() = default;

  static wxString GetMakerName();    // "Corvane"
  static wxString GetProductCode();  // "QUENTA_VOSK"
  static wxString GetVersion();      // "2.1.8"
  static wxString GetProductName();  // display name: "Corvane Tarnly"

  // The executable's path decides the installation folder.  By default it is
  // the running executable; tests point it into a staged tree.
  static void SetExecutablePath(const wxString& path);
  static wxString GetExecutablePath();
  // The folder part of an executable path ("\\" turned to "/"); empty when
  // the path holds no separator.
  static wxString ExeDirFromPath(const wxString& exe_path);

  static wxString GetExeDir();      // folder of the executable
  static wxString GetInstallDir();  // one level above GetExeDir
  static wxString GetDocumentsDir();
  static wxString GetDefaultOutputDir();  // created if missing
  static wxString GetUserDataDir();       // created if missing
  static wxString GetSettingsFile();
  static wxString GetLanguageFile();
  static wxString GetOptionFile();
  static wxString GetFaceFile();
  static wxString GetThemeArchive();
  static wxString GetLogDir();
};

#endif
