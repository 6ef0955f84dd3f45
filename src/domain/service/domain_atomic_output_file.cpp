#include "domain/service/domain_atomic_output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// mkstemps on a writable copy of the pattern; the chosen name or "".
std::string MakeTempFile(const std::string& pattern, int suffix_length) {
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemps(name.data(), suffix_length);
  if (fd < 0) return std::string();
  ::close(fd);
  return std::string(name.data());
}

}  // namespace

DomainAtomicOutputFile::DomainAtomicOutputFile(const std::string& final_path_utf8)
    : final_path_(final_path_utf8), committed_(false) {}

DomainAtomicOutputFile::~DomainAtomicOutputFile() {
  if (!committed_ && !temp_path_.empty()) std::remove(temp_path_.c_str());
}

bool DomainAtomicOutputFile::Create() {
  // Hidden and ending in ".part", so a leftover from a killed process is
  // neither mistaken for a page image nor shown by file browsers.  Short, so
  // a final name close to the length limit still gets a temporary one.
  const std::string suffix = ".part";
  temp_path_ =
      MakeTempFile(FolderOf(final_path_) + "/.tarnly-XXXXXX" + suffix, static_cast<int>(suffix.size()));
  return !temp_path_.empty();
}

bool DomainAtomicOutputFile::Commit() {
  if (temp_path_.empty() || committed_) return false;
  if (std::rename(temp_path_.c_str(), final_path_.c_str()) != 0) return false;
  committed_ = true;
  return true;
}

bool DomainAtomicOutputFile::CanWriteIn(const std::string& folder_utf8) {
  struct stat info;
  if (folder_utf8.empty() || ::stat(folder_utf8.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    return false;
  }
  const std::string probe = MakeTempFile(folder_utf8 + "/.tarnly-probe-XXXXXX", 0);
  if (probe.empty()) return false;
  std::remove(probe.c_str());
  return true;
}
