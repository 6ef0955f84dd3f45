#include "window/base/dh_grid_cell_choice_editor.h"

void DhGridCellChoiceEditor::Show(bool /*show*/, wxGridCellAttr* attr) {
  wxGridCellChoiceEditor::Show(true, attr);
}
