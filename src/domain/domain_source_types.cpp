#include "domain/domain_source_types.h"

namespace {
const char kFileFilter[] = "PDF files(*.pdf)|*.pdf;";
const char kExtensionList[] = ";pdf;";
}  // namespace

wxString DomainSourceTypes::GetFileFilter() { return kFileFilter; }

wxString DomainSourceTypes::GetFilterDescription() { return GetFileFilter().BeforeFirst('|'); }

wxArrayString DomainSourceTypes::GetFileMasks() {
  wxArrayString masks;
  masks.Add("*.pdf");
  return masks;
}

bool DomainSourceTypes::IsSupportedExtension(const wxString& extension) {
  return wxString(kExtensionList).Find(";" + extension + ";") != wxNOT_FOUND;
}

wxString DomainSourceTypes::ExtensionOf(const wxString& path) {
  const wxString name = path.AfterLast('/').AfterLast('\\');
  const int dot = name.Find('.', true);
  return dot == wxNOT_FOUND ? wxString() : name.Mid(dot + 1).Lower();
}

wxString DomainSourceTypes::GetTargetExtension() { return wxString(); }
