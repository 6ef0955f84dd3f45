// The file grid: row selection with Ctrl-click and clicks below the rows,
// the full list of selected rows, single-cell repaints, the status cell's
// progress bar and the drop-down editor that stays shown.
#include <wx/uiaction.h>

#include "gui/controls_fixture.h"
#include "window/base/dh_grid_cell_choice_editor.h"
#include "window/base/xy_grid.h"
#include "window/base/zq_grid_cell_renderer.h"

namespace controls_test {
namespace {

class GridTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    grid_ = new XyGrid(panel_, wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
    grid_->CreateGrid(6, 3);
    grid_->SetRowLabelSize(0);
    grid_->SetDefaultRowSize(24, true);
    grid_->SetSelectionMode(wxGrid::wxGridSelectRows);
  }
  // Screen point of the middle of a cell, in cell area coordinates.
  wxPoint CellCentre(int row, int column) const {
    const wxRect rect = grid_->CellToRect(row, column);
    return grid_->CalcScrolledPosition(rect.GetPosition()) + wxPoint(rect.width / 2, 12);
  }
  void ClickCell(int row, bool with_ctrl) {
    MoveTo(grid_->GetGridWindow(), CellCentre(row, 1));
    wxUIActionSimulator sim;
    if (with_ctrl) sim.KeyDown(WXK_CONTROL);
    Pump();
    sim.MouseClick();
    Pump();
    if (with_ctrl) sim.KeyUp(WXK_CONTROL);
    Pump();
  }
  std::vector<int> Rows() const { return grid_->GetSelectedRowsAll(); }

  XyGrid* grid_ = nullptr;
};

TEST_F(GridTest, SelectedRowsComeFirstThenEveryRowOfEachBlock) {
  grid_->SetSelectionMode(wxGrid::wxGridSelectCells);
  grid_->SelectRow(2);
  grid_->SelectRow(5, true);
  grid_->SelectBlock(3, 0, 4, 1, true);
  EXPECT_EQ(Rows(), (std::vector<int>{2, 5, 3, 4}));
}

TEST_F(GridTest, CtrlClickTogglesOneRowAndKeepsTheOthers) {
  ShowAndWait();
  ClickCell(1, false);
  EXPECT_EQ(Rows(), std::vector<int>{1});
  ClickCell(3, true);
  EXPECT_EQ(Rows(), (std::vector<int>{1, 3}));
  ClickCell(1, true);
  EXPECT_EQ(Rows(), std::vector<int>{3});
  ClickCell(4, false);
  EXPECT_EQ(Rows(), std::vector<int>{4}) << "a plain click selects as usual";
}

TEST_F(GridTest, ClickBelowTheLastRowClearsTheSelection) {
  ShowAndWait();
  ClickCell(2, false);
  ASSERT_EQ(Rows(), std::vector<int>{2});
  MoveTo(grid_->GetGridWindow(), wxPoint(100, 6 * 24 + 40));
  wxUIActionSimulator().MouseClick();
  Pump();
  EXPECT_TRUE(Rows().empty());
}

TEST_F(GridTest, RefreshCellRepaintsThatCellOnlyAndNothingForAHiddenColumn) {
  ShowAndWait();
  std::vector<wxRect> painted;
  grid_->GetGridWindow()->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
    painted.push_back(grid_->GetGridWindow()->GetUpdateRegion().GetBox());
    event.Skip();
  });
  grid_->SetColSize(2, 0);
  Pump(200);
  painted.clear();
  grid_->RefreshCell(3, 2);
  Pump(200);
  EXPECT_TRUE(painted.empty());

  grid_->RefreshCell(3, 1);
  Pump(200);
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0], grid_->CellToRect(3, 1));
}

// The status cell drawn into a bitmap: which columns of its lowest pixel row
// the bar covers.
int BarWidth(XyGrid* grid, ZqGridCellRenderer& renderer, int percent) {
  renderer.SetPercent(percent);
  wxBitmap bitmap(100, 30);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  const wxRect cell(5, 0, 81, 30);
  wxGridCellAttr* attr = grid->GetOrCreateCellAttr(0, 0);
  renderer.Draw(*grid, *attr, dc, cell, 0, 0, false);
  attr->DecRef();
  dc.SelectObject(wxNullBitmap);
  const wxImage image = bitmap.ConvertToImage();
  int width = 0;
  for (int x = 0; x < 100; ++x) {
    const wxColour pixel = PixelAt(image, x, 28);
    if (pixel == wxColour(252, 156, 0) || pixel == *wxBLACK) ++width;
  }
  return width;
}

TEST_F(GridTest, ProgressBarCoversItsShareOfTheCell) {
  ZqGridCellRenderer renderer;
  renderer.SetColour(wxColour(252, 156, 0));
  renderer.SetText("50%");
  struct Case { int percent; int width; };
  for (const Case& c : {Case{50, 40}, Case{100, 81}, Case{0, 0}, Case{1, 0}}) {
    EXPECT_EQ(BarWidth(grid_, renderer, c.percent), c.width) << c.percent << "%";
  }
}

TEST_F(GridTest, StatusTextIsDrawnAtTheCellCorner) {
  ZqGridCellRenderer renderer;
  renderer.SetText("Failed");
  wxBitmap bitmap(120, 30);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxBLUE_BRUSH);
  dc.Clear();
  wxGridCellAttr* attr = grid_->GetOrCreateCellAttr(0, 0);
  renderer.Draw(*grid_, *attr, dc, wxRect(10, 5, 100, 24), 0, 0, false);
  attr->DecRef();
  dc.SelectObject(wxNullBitmap);
  const wxImage image = bitmap.ConvertToImage();
  int dark = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool inside = wxRect(10, 5, 100, 24).Contains(x, y);
      if (PixelAt(image, x, y).Red() < 80) {
        if (inside) ++dark;
      }
    }
  }
  EXPECT_GT(dark, 10) << "black status text inside the cell";
  EXPECT_EQ(PixelAt(image, 5, 2), *wxBLUE) << "nothing drawn outside the cell";
  EXPECT_EQ(PixelAt(image, 115, 10), *wxBLUE);
}

TEST_F(GridTest, ChoiceEditorStaysShownAfterEditing) {
  wxArrayString choices;
  for (const char* type : {"JPG", "TIF", "PNG", "BMP", "GIF"}) choices.Add(type);
  grid_->SetCellEditor(1, 1, new DhGridCellChoiceEditor(choices));
  grid_->SetCellValue(1, 1, "JPG");
  ShowAndWait();
  grid_->SetGridCursor(1, 1);
  grid_->EnableCellEditControl();
  Pump();
  wxGridCellEditor* editor = grid_->GetCellEditor(1, 1);
  ASSERT_NE(editor->GetControl(), nullptr);
  grid_->DisableCellEditControl();
  Pump();
  EXPECT_TRUE(editor->GetControl()->IsShown());
  editor->DecRef();
}

}  // namespace
}  // namespace controls_test
