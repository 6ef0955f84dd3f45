#include "common/string_util.h"

#include "common/platform_util.h"

void StringUtil::ExploreFolder(const wxString& folder) { PlatformUtil::OpenFolder(folder); }

std::string StringUtil::GetBuildYear() { return YearOfDate(__DATE__); }

std::string StringUtil::YearOfDate(const std::string& date) {
  const size_t blank = date.rfind(' ');
  return blank == std::string::npos ? date : date.substr(blank + 1);
}
