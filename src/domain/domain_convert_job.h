// The rows a conversion run works on: row index -> that row's texts in
// column order.  Built by the file list, owned by the conversion task.
#ifndef TARNLY_DOMAIN_DOMAIN_CONVERT_JOB_H
#define TARNLY_DOMAIN_DOMAIN_CONVERT_JOB_H

#include <map>

#include <wx/arrstr.h>

class DomainConvertJob {
 public:
  using RowMap = std::map<int, wxArrayString>;

  // A row index given twice keeps the later texts.
  void AddRow(int row, const wxArrayString& texts) { rows_[row] = texts; }
  // In ascending row order.
  const RowMap& GetRows() const { return rows_; }
  size_t GetCount() const { return rows_.size(); }
  bool IsEmpty() const { return rows_.empty(); }

 private:
  RowMap rows_;
};

#endif
