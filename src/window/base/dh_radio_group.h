// Ties DhRadioButtons together: at most one selected, moved by Select.
// Not a window; it neither owns its buttons nor is owned by them.
#ifndef TARNLY_WINDOW_BASE_DH_RADIO_GROUP_H
#define TARNLY_WINDOW_BASE_DH_RADIO_GROUP_H

#include <vector>

#include <wx/defs.h>

class DhRadioButton;

class DhRadioGroup {
 public:
  virtual ~DhRadioGroup() = default;

  // Appends `button` with the next index.  Returns the group for chaining.
  DhRadioGroup& Add(DhRadioButton* button);
  // Takes the first button whose selected flag is set as the selection.
  // Call once after adding every button.
  void InitSelection();
  // Unselects the current selection and selects the button at `index`,
  // repainting both.  An index out of range changes nothing.
  void Select(int index);

  DhRadioButton* GetButton(int index) const;
  DhRadioButton* GetSelectedButton() const { return GetButton(selected_); }
  DhRadioButton* FindById(wxWindowID id) const;
  int GetSelection() const { return selected_; }
  int GetCount() const { return static_cast<int>(buttons_.size()); }

 private:
  int selected_ = -1;
  std::vector<DhRadioButton*> buttons_;  // not owned, in display order
};

#endif
