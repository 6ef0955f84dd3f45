// The rows a load task found, handed to the file list as the client object
// of EVT_FILES_LOADED.  The array owns its rows; the receiver of the event
// takes the array (TakeFrom) and with it the rows.
#ifndef TARNLY_DOMAIN_FILE_ROW_ARRAY_H
#define TARNLY_DOMAIN_FILE_ROW_ARRAY_H

#include <memory>
#include <vector>

#include <wx/clntdata.h>

#include "domain/file_row_info.h"

class wxCommandEvent;

class FileRowArray : public wxClientData {
 public:
  FileRowArray() = default;
  FileRowArray(const FileRowArray&) = delete;
  FileRowArray& operator=(const FileRowArray&) = delete;

  // Stores a copy of `row`.
  void Add(const FileRowInfo& row);
  void RemoveAt(size_t index);
  void Clear() { rows_.clear(); }

  size_t GetCount() const { return rows_.size(); }
  bool IsEmpty() const { return rows_.empty(); }
  FileRowInfo& operator[](size_t index) { return *rows_[index]; }
  const FileRowInfo& operator[](size_t index) const { return *rows_[index]; }

  // Detaches the array from a files-loaded event and hands it over; null
  // when the event carries none.
  static std::unique_ptr<FileRowArray> TakeFrom(wxCommandEvent& event);

 private:
  std::vector<std::unique_ptr<FileRowInfo>> rows_;
};

#endif
