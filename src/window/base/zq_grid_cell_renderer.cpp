#include "window/base/zq_grid_cell_renderer.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/settings.h>

void ZqGridCellRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect,
                              int row, int col, bool is_selected) {
  wxDCClipper clip(dc, rect);
  wxGridCellStringRenderer::Draw(grid, attr, dc, rect, row, col, is_selected);
  dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(colour_.IsOk() ? wxBrush(colour_) : *wxTRANSPARENT_BRUSH);
  // Out-of-range shares are kept inside the cell.
  const int percent = std::clamp(percent_, 0, 100);
  if (percent != 0) dc.DrawRectangle(rect.x, rect.y, percent * rect.width / 100, rect.height);
  dc.SetTextForeground(*wxBLACK);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.DrawText(text_, rect.GetTopLeft());
}
