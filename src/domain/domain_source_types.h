// Which files count as PDF: the file dialog filter, the folder scan masks
// and the extension test for chosen and dropped files.
#ifndef TARNLY_DOMAIN_DOMAIN_SOURCE_TYPES_H
#define TARNLY_DOMAIN_DOMAIN_SOURCE_TYPES_H

#include <wx/arrstr.h>
#include <wx/string.h>

class DomainSourceTypes {
 public:
  virtual ~DomainSourceTypes() = default;

  static wxString GetFileFilter();         // "PDF files(*.pdf)|*.pdf;"
  static wxString GetFilterDescription();  // "PDF files(*.pdf)"
  static wxArrayString GetFileMasks();     // {"*.pdf"}
  // Exact test against ";pdf;": callers lower-case the extension first.
  static bool IsSupportedExtension(const wxString& extension);
  // The text after the last "." of a path's file name, lower-cased; empty
  // when the name has no ".".
  static wxString ExtensionOf(const wxString& path);
  static wxString GetTargetExtension();    // empty: results are folders
};

#endif
