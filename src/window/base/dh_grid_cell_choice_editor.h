// A drop-down cell editor that never hides itself, so that a row's choice
// stays visible as a drop-down.
#ifndef TARNLY_WINDOW_BASE_DH_GRID_CELL_CHOICE_EDITOR_H
#define TARNLY_WINDOW_BASE_DH_GRID_CELL_CHOICE_EDITOR_H

#include <wx/grid.h>

class DhGridCellChoiceEditor : public wxGridCellChoiceEditor {
 public:
  explicit DhGridCellChoiceEditor(const wxArrayString& choices)
      : wxGridCellChoiceEditor(choices, false) {}
  DhGridCellChoiceEditor(const DhGridCellChoiceEditor& other) = default;

  void Show(bool show, wxGridCellAttr* attr = nullptr) override;
  wxGridCellEditor* Clone() const override { return new DhGridCellChoiceEditor(*this); }
};

#endif
