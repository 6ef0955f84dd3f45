// The few places where the program asks the desktop for something.  Kept
// together so a port touches one file pair (plus the window-shape and menu
// pieces under src/window/base/gtk).
#ifndef TARNLY_COMMON_PLATFORM_UTIL_H
#define TARNLY_COMMON_PLATFORM_UTIL_H

#include <wx/string.h>

class PlatformUtil {
 public:
  virtual ~PlatformUtil() = default;

  // The user's documents folder (XDG "DOCUMENTS" folder, else the home
  // folder), with "/" separators; empty when neither can be found.
  static wxString GetDocumentsDir();
  // Shows `folder` in the desktop's file manager without waiting for it.
  // Returns false when no launcher could be started.
  static bool OpenFolder(const wxString& folder);
  // Opens `url` in the default browser without waiting.
  static bool OpenUrl(const wxString& url);
};

#endif
