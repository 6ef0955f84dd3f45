// The status cell: the cell drawn as text, then a progress bar over
// `percent` of its width and a short status text at its top-left corner.
#ifndef TARNLY_WINDOW_BASE_ZQ_GRID_CELL_RENDERER_H
#define TARNLY_WINDOW_BASE_ZQ_GRID_CELL_RENDERER_H

#include <wx/grid.h>

class ZqGridCellRenderer : public wxGridCellStringRenderer {
 public:
  ZqGridCellRenderer() = default;

  void SetColour(const wxColour& colour) { colour_ = colour; }
  void SetText(const wxString& text) { text_ = text; }
  void SetPercent(int percent) { percent_ = percent; }
  int GetPercent() const { return percent_; }
  const wxString& GetText() const { return text_; }

  void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
            bool is_selected) override;
  wxGridCellRenderer* Clone() const override { return new ZqGridCellRenderer(*this); }

 private:
  int percent_ = 0;  // share of the cell width under the bar, 0 to 100
  wxString text_;
  wxColour colour_;
};

#endif
