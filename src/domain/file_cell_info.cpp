#include "domain/file_cell_info.h"

wxIMPLEMENT_DYNAMIC_CLASS(FileCellInfo, wxObject);

FileCellInfo::FileCellInfo(int row, int column, const wxString& text, const wxArrayString& row_texts)
    : row_(row), column_(column), text_(text), row_texts_(row_texts) {}
