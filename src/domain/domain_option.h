// The product option file ("option.cfg" in the installation folder) and the
// URL table it fills: "url:" + element name -> address.
#ifndef TARNLY_DOMAIN_DOMAIN_OPTION_H
#define TARNLY_DOMAIN_DOMAIN_OPTION_H

#include <map>

#include <wx/string.h>

class DomainOption {
 public:
  virtual ~DomainOption() = default;

  // Fills the URL table from the option file; "url:update" gets
  // "-update.xml" appended.  Returns false when the file is missing, not
  // well-formed or has no <url> under <setting> (every key then reads empty).
  bool Load();
  bool Load(const wxString& option_file);

  static wxString GetSupportUrl();
  // Reading an absent key inserts it with empty text.
  static wxString GetUrl(const wxString& key);
  static std::map<wxString, wxString> GetUrlTableCopy();
};

#endif
