#include "domain/file_row_info.h"

wxIMPLEMENT_DYNAMIC_CLASS(FileRowInfo, wxObject);

FileRowInfo::FileRowInfo(const wxString& path) : path_(path) {}

wxString FileRowInfo::GetText(size_t column) const {
  return column < texts_.GetCount() ? texts_[column] : wxString();
}
