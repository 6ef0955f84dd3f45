// One loaded source file: its path, size, the texts of its file list row
// and whether the loader found a problem with it.
#ifndef TARNLY_DOMAIN_FILE_ROW_INFO_H
#define TARNLY_DOMAIN_FILE_ROW_INFO_H

#include <cstdint>

#include <wx/arrstr.h>
#include <wx/object.h>
#include <wx/string.h>

class FileRowInfo : public wxObject {
 public:
  // Row states found while loading.
  enum State { kReady = 0, kEmptyFile = 1, kUnreadable = 3 };

  FileRowInfo() = default;
  explicit FileRowInfo(const wxString& path);
  FileRowInfo(const FileRowInfo& other) = default;
  FileRowInfo& operator=(const FileRowInfo& other) = default;

  int GetState() const { return state_; }
  void SetState(int state) { state_ = state; }
  // Whether the row joins the list although its state is not ready.
  bool GetAdd() const { return add_; }
  void SetAdd(bool add) { add_ = add; }
  const wxString& GetPath() const { return path_; }
  void SetPath(const wxString& path) { path_ = path; }
  std::uint64_t GetSize() const { return size_; }
  void SetSize(std::uint64_t size) { size_ = size; }

  // One text per file list column, in column order.
  const wxArrayString& GetTexts() const { return texts_; }
  wxArrayString& GetTexts() { return texts_; }
  void SetTexts(const wxArrayString& texts) { texts_ = texts; }
  // The text of `column`, empty when the row has no such column.
  wxString GetText(size_t column) const;

 private:
  int state_ = kReady;
  bool add_ = true;
  wxString path_;
  std::uint64_t size_ = 0;
  wxArrayString texts_;

  wxDECLARE_DYNAMIC_CLASS(FileRowInfo);
};

#endif
