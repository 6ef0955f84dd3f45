// One cell of the file list as the list reports it in its notifications
// (a cell about to change, rows removed).  A receiver may refuse the change
// by clearing `allow` or replace the new text.
#ifndef TARNLY_DOMAIN_FILE_CELL_INFO_H
#define TARNLY_DOMAIN_FILE_CELL_INFO_H

#include <wx/arrstr.h>
#include <wx/object.h>
#include <wx/string.h>

class FileCellInfo : public wxObject {
 public:
  // The row index that stands for every row.
  static constexpr int kAllRows = -1;

  FileCellInfo() = default;
  FileCellInfo(int row, int column, const wxString& text, const wxArrayString& row_texts);

  bool GetAllow() const { return allow_; }
  void SetAllow(bool allow) { allow_ = allow; }
  int GetRow() const { return row_; }
  void SetRow(int row) { row_ = row; }
  int GetColumn() const { return column_; }
  void SetColumn(int column) { column_ = column; }
  const wxString& GetText() const { return text_; }
  void SetText(const wxString& text) { text_ = text; }
  const wxArrayString& GetRowTexts() const { return row_texts_; }
  void SetRowTexts(const wxArrayString& row_texts) { row_texts_ = row_texts; }

 private:
  bool allow_ = true;
  int row_ = 0;
  int column_ = 0;
  wxString text_;
  wxArrayString row_texts_;

  wxDECLARE_DYNAMIC_CLASS(FileCellInfo);
};

#endif
