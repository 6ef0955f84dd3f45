#include "domain/file_row_array.h"

#include <wx/event.h>

void FileRowArray::Add(const FileRowInfo& row) { rows_.push_back(std::make_unique<FileRowInfo>(row)); }

void FileRowArray::RemoveAt(size_t index) {
  if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::unique_ptr<FileRowArray> FileRowArray::TakeFrom(wxCommandEvent& event) {
  auto* rows = dynamic_cast<FileRowArray*>(event.GetClientObject());
  if (rows != nullptr) event.SetClientObject(nullptr);
  return std::unique_ptr<FileRowArray>(rows);
}
