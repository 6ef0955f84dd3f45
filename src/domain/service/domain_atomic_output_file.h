// A file that appears under its final name only when it is complete: it is
// written under a hidden temporary name in the same folder and renamed.
#ifndef TARNLY_DOMAIN_SERVICE_DOMAIN_ATOMIC_OUTPUT_FILE_H
#define TARNLY_DOMAIN_SERVICE_DOMAIN_ATOMIC_OUTPUT_FILE_H

#include <string>

class DomainAtomicOutputFile {
 public:
  explicit DomainAtomicOutputFile(const std::string& final_path_utf8);
  // Removes the temporary file unless it was committed.
  ~DomainAtomicOutputFile();
  DomainAtomicOutputFile(const DomainAtomicOutputFile&) = delete;
  DomainAtomicOutputFile& operator=(const DomainAtomicOutputFile&) = delete;

  // Creates the empty temporary file; false when the folder refuses it.
  bool Create();
  const std::string& TempPath() const { return temp_path_; }
  // Renames the temporary file to the final name (replacing a file there).
  bool Commit();

  // True when a file can be created in `folder_utf8` (it is an existing,
  // writable folder).
  static bool CanWriteIn(const std::string& folder_utf8);

 private:
  std::string final_path_;
  std::string temp_path_;
  bool committed_;
};

#endif
