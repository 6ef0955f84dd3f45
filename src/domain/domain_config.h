// The user settings file: the last source folder and the last output folder,
// read by position from the two first children of <setting>.  The proxy
// settings live in memory only.
#ifndef TARNLY_DOMAIN_DOMAIN_CONFIG_H
#define TARNLY_DOMAIN_DOMAIN_CONFIG_H

#include <mutex>

#include <wx/string.h>

struct ProxySettings {
  wxString type = "HTTP";
  wxString address;
  wxString port;
  wxString user;
  wxString password;
};

class DomainConfig {
 public:
  // Loads `path` (rewriting it with defaults when missing or malformed) and
  // fills option keys 0 and 1.
  explicit DomainConfig(const wxString& path);
  // Takes option keys 0 and 1 back and writes the file.
  virtual ~DomainConfig();

  DomainConfig(const DomainConfig&) = delete;
  DomainConfig& operator=(const DomainConfig&) = delete;

  void Load();

  wxString GetLastSourceDir() const { return source_dir_; }
  void SetLastSourceDir(const wxString& dir) { source_dir_ = dir; }
  wxString GetLastOutputDir() const { return output_dir_; }

  // All five proxy fields at once; safe against a reader on another thread.
  ProxySettings GetProxy() const;
  void SetProxy(const ProxySettings& proxy);

  const wxString& GetPath() const { return path_; }

 private:
  // Writes the five-line default file; with `force` off only when missing.
  void WriteDefaultFile(bool force) const;
  void Save() const;

  wxString path_;
  wxString source_dir_;
  wxString output_dir_;
  mutable std::mutex proxy_mutex_;
  ProxySettings proxy_;
};

// The one settings object of the process (null before start-up and after exit).
DomainConfig*& TheConfig();

#endif
