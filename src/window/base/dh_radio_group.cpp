#include "window/base/dh_radio_group.h"

#include "window/base/dh_radio_button.h"

DhRadioGroup& DhRadioGroup::Add(DhRadioButton* button) {
  button->JoinGroup(this, GetCount());
  buttons_.push_back(button);
  return *this;
}

void DhRadioGroup::InitSelection() {
  selected_ = -1;
  for (int i = 0; i < GetCount(); ++i) {
    if (buttons_[i]->GetValue()) {
      selected_ = i;
      return;
    }
  }
}

void DhRadioGroup::Select(int index) {
  if (index < 0 || index >= GetCount()) return;
  if (DhRadioButton* old = GetSelectedButton()) old->SetSelectedFlag(false);
  selected_ = index;
  buttons_[index]->SetSelectedFlag(true);
}

DhRadioButton* DhRadioGroup::GetButton(int index) const {
  return index >= 0 && index < GetCount() ? buttons_[index] : nullptr;
}

DhRadioButton* DhRadioGroup::FindById(wxWindowID id) const {
  for (DhRadioButton* button : buttons_) {
    if (button->GetId() == id) return button;
  }
  return nullptr;
}
