#include "window/base/dh_button_base.h"

wxBEGIN_EVENT_TABLE(DhButtonBase, wxControl)
  EVT_ENTER_WINDOW(DhButtonBase::OnEnterWindow)
  EVT_LEAVE_WINDOW(DhButtonBase::OnLeaveWindow)
  EVT_LEFT_DOWN(DhButtonBase::OnLeftDown)
  EVT_LEFT_DCLICK(DhButtonBase::OnLeftDClick)
  EVT_LEFT_UP(DhButtonBase::OnLeftUp)
wxEND_EVENT_TABLE()

bool DhButtonBase::CreateButton(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                const wxSize& size, long style, const wxValidator& validator) {
  if (!wxControl::Create(parent, id, pos, size, style, validator, wxControlNameStr)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  state_ = DH_BUTTON_NORMAL;
  return true;
}

bool DhButtonBase::Enable(bool enable) {
  SetState(enable ? DH_BUTTON_NORMAL : DH_BUTTON_DISABLED);
  return wxControl::Enable(enable);
}

void DhButtonBase::SetState(int state) {
  state_ = state;
  Refresh();
  Update();
}

void DhButtonBase::OnEnterWindow(wxMouseEvent& event) {
  if (IsEnabled()) SetState(DH_BUTTON_CURRENT);
  event.Skip();
}

void DhButtonBase::OnLeaveWindow(wxMouseEvent& event) {
  if (IsEnabled()) SetState(DH_BUTTON_LEFT);
  event.Skip();
}

void DhButtonBase::OnLeftDown(wxMouseEvent& event) {
  if (IsEnabled()) SetState(DH_BUTTON_PRESSED);
  event.Skip();
}

void DhButtonBase::OnLeftDClick(wxMouseEvent& event) {
  if (IsEnabled()) SetState(DH_BUTTON_PRESSED);
  event.Skip();
}

void DhButtonBase::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  if (state_ != DH_BUTTON_PRESSED) return;
  // The toolkit may route the release here even when the pointer has left
  // (an implicit grab); a release outside is not a click.
  if (!GetClientRect().Contains(event.GetPosition())) {
    SetState(DH_BUTTON_LEFT);
    return;
  }
  SetState(DH_BUTTON_RELEASED);
  SendClick();
}

void DhButtonBase::SendClick() {
  wxCommandEvent click(wxEVT_BUTTON, GetId());
  click.SetEventObject(this);
  GetEventHandler()->ProcessEvent(click);
}
