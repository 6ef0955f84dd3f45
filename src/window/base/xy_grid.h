// The file grid: Ctrl-click toggles whole rows, a click below the last row
// clears the selection, every selected row can be listed however it was
// selected, and single cells can be repainted.
#ifndef TARNLY_WINDOW_BASE_XY_GRID_H
#define TARNLY_WINDOW_BASE_XY_GRID_H

#include <vector>

#include <wx/grid.h>

class XyGrid : public wxGrid {
 public:
  XyGrid() = default;
  XyGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
         const wxSize& size = wxDefaultSize, long style = wxWANTS_CHARS,
         const wxString& name = wxASCII_STR(wxGridNameStr));

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = wxWANTS_CHARS,
              const wxString& name = wxASCII_STR(wxGridNameStr));

  // Rows selected as whole rows (in the grid's order), then every row of
  // each selected block, top to bottom.  A row may appear more than once.
  std::vector<int> GetSelectedRowsAll() const;
  // Repaints exactly one cell; a hidden row or column repaints nothing.
  void RefreshCell(int row, int column);

 private:
  void OnCellLeftClick(wxGridEvent& event);
  void OnGridWindowLeftDown(wxMouseEvent& event);

  wxDECLARE_CLASS(XyGrid);
  wxDECLARE_EVENT_TABLE();
};

#endif
