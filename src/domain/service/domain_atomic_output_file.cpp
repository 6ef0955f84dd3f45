#include "domain/service/domain_atomic_output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// A new file `prefix` + six random characters + `suffix`; the chosen name
// or "".  Not mkstemps: it makes the file 0600, and the renamed image must
// get the usual 0666 less the umask like any other file the user makes.
std::string MakeTempFile(const std::string& prefix, const std::string& suffix) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = prefix;
    for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
    name += suffix;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return name;
    }
    if (errno != EEXIST) break;
  }
  return std::string();
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
  temp_path_ = MakeTempFile(FolderOf(final_path_) + "/.tarnly-", ".part");
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
  const std::string probe = MakeTempFile(folder_utf8 + "/.tarnly-probe-", "");
  if (probe.empty()) return false;
  std::remove(probe.c_str());
  return true;
}
