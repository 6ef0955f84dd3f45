// Text handed to the desktop or shown to the user.
#ifndef TARNLY_COMMON_STRING_UTIL_H
#define TARNLY_COMMON_STRING_UTIL_H

#include <string>

#include <wx/string.h>

class StringUtil {
 public:
  virtual ~StringUtil() = default;

  // Opens `folder` in the desktop's file manager; never blocks.
  static void ExploreFolder(const wxString& folder);
  // The four-digit year of the build date.
  static std::string GetBuildYear();
  // The part of a "May 14 2014"-style date after its last blank.
  static std::string YearOfDate(const std::string& date);
};

#endif
