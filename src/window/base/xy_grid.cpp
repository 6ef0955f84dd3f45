#include "window/base/xy_grid.h"

wxIMPLEMENT_CLASS(XyGrid, wxGrid);

wxBEGIN_EVENT_TABLE(XyGrid, wxGrid)
  EVT_GRID_CELL_LEFT_CLICK(XyGrid::OnCellLeftClick)
wxEND_EVENT_TABLE()

XyGrid::XyGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
               long style, const wxString& name) {
  Create(parent, id, pos, size, style, name);
}

bool XyGrid::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                    long style, const wxString& name) {
  if (!wxGrid::Create(parent, id, pos, size, style, name)) return false;
  GetGridWindow()->Bind(wxEVT_LEFT_DOWN, &XyGrid::OnGridWindowLeftDown, this);
  return true;
}

std::vector<int> XyGrid::GetSelectedRowsAll() const {
  std::vector<int> rows;
  for (int row : GetSelectedRows()) rows.push_back(row);
  const wxGridCellCoordsArray tops = GetSelectionBlockTopLeft();
  const wxGridCellCoordsArray bottoms = GetSelectionBlockBottomRight();
  for (size_t i = 0; i < tops.size() && i < bottoms.size(); ++i) {
    // The grid also reports whole selected rows as blocks across every
    // column; those are listed above already.
    if (tops[i].GetCol() == 0 && bottoms[i].GetCol() == GetNumberCols() - 1) continue;
    for (int row = tops[i].GetRow(); row <= bottoms[i].GetRow(); ++row) rows.push_back(row);
  }
  return rows;
}

void XyGrid::RefreshCell(int row, int column) {
  wxRect rect = CellToRect(row, column);
  if (rect.width < 1 || rect.height < 1) return;
  rect.SetPosition(CalcScrolledPosition(rect.GetPosition()));
  GetGridWindow()->Refresh(true, &rect);
}

void XyGrid::OnCellLeftClick(wxGridEvent& event) {
  if (!event.ControlDown()) {
    event.Skip();
    return;
  }
  const int row = event.GetRow();
  if (!IsInSelection(row, event.GetCol())) {
    SelectRow(row, true);
  } else {
    DeselectRow(row);
    ForceRefresh();
  }
}

void XyGrid::OnGridWindowLeftDown(wxMouseEvent& event) {
  // The cell area scrolls: look the row up from the unscrolled position.
  const int y = CalcUnscrolledPosition(event.GetPosition()).y;
  if (YToRow(y) == wxNOT_FOUND) ClearSelection();
  event.Skip();
}
