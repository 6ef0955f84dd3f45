#include "window/base/dh_check_box.h"

#include <algorithm>
#include <cstdlib>

#include <wx/dcclient.h>
#include <wx/renderer.h>

wxDEFINE_EVENT(DH_EVT_CHECK_TOGGLED, wxCommandEvent);

wxIMPLEMENT_DYNAMIC_CLASS(DhCheckBox, wxControl);

wxBEGIN_EVENT_TABLE(DhCheckBox, wxControl)
  EVT_PAINT(DhCheckBox::OnPaint)
  EVT_LEFT_DOWN(DhCheckBox::OnLeftDown)
  EVT_LEFT_DCLICK(DhCheckBox::OnLeftDClick)
  EVT_LEFT_UP(DhCheckBox::OnLeftUp)
wxEND_EVENT_TABLE()

bool DhCheckBox::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                        long style, const wxValidator& validator) {
  if (!wxControl::Create(parent, id, pos, size, style, validator, wxControlNameStr)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  mark_size_ = wxRendererNative::Get().GetCheckBoxSize(this);
  state_ = kUnchecked;
  checked_ = false;
  pressed_ = false;
  gap_ = 6;
  return true;
}

void DhCheckBox::SetBackgroundBitmap(const wxBitmap& picture, bool skip) {
  background_.SetPicture(picture);
  skip_background_ = skip;
}

void DhCheckBox::SetCaption(const wxString& caption) {
  caption_ = caption;
  SetLabel(caption);
  const wxSize text = GetTextExtent(caption);
  SetSize(mark_size_.x + gap_ + text.x, std::max(text.y, mark_size_.y));
  Refresh();
}

void DhCheckBox::SetValue(bool checked) {
  checked_ = checked;
  state_ = (state_ >= kDisabledUnchecked ? 10 : 0) + (checked ? 1 : 0);
  Refresh();
}

bool DhCheckBox::Enable(bool enable) {
  state_ = enable ? (checked_ ? kChecked : kUnchecked) : (checked_ ? 1 : 0) + 10;
  Repaint();
  return wxControl::Enable(enable);
}

void DhCheckBox::Repaint() {
  Refresh();
  Update();
}

wxRect DhCheckBox::GetMarkRect() const {
  const int height = GetClientSize().y;
  return wxRect(0, std::abs(height - mark_size_.y) / 2, mark_size_.x, mark_size_.y);
}

wxPoint DhCheckBox::GetCaptionOrigin() const {
  const int height = GetClientSize().y;
  const int text_height = GetTextExtent(caption_.empty() ? wxString(" ") : caption_).y;
  return wxPoint(mark_size_.x + gap_, std::abs(height - text_height) / 2);
}

wxColour DhCheckBox::CaptionColour() const {
  if (state_ >= kDisabledUnchecked) return wxColour(128, 128, 128);
  // Black unless the owner chose a caption colour for its skin.
  return UseForegroundColour() ? GetForegroundColour() : *wxBLACK;
}

void DhCheckBox::Render(wxDC& dc) {
  if (!skip_background_) background_.Draw(dc, GetRect());
  int flags = 0;
  if (state_ == kChecked || state_ == kDisabledChecked) flags |= wxCONTROL_CHECKED;
  if (state_ >= kDisabledUnchecked) flags |= wxCONTROL_DISABLED;
  wxRendererNative::Get().DrawCheckBox(this, dc, GetMarkRect(), flags);
  if (caption_.empty()) return;
  dc.SetFont(GetFont());
  dc.SetTextForeground(CaptionColour());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.DrawText(caption_, GetCaptionOrigin());
}

void DhCheckBox::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  Render(dc);
}

void DhCheckBox::OnLeftDown(wxMouseEvent& event) {
  if (IsEnabled()) pressed_ = true;
  event.Skip();
}

void DhCheckBox::OnLeftDClick(wxMouseEvent& event) {
  if (IsEnabled()) pressed_ = true;
  event.Skip();
}

void DhCheckBox::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  if (!pressed_) return;
  pressed_ = false;
  // A press dragged off the control and released elsewhere is no toggle.
  if (!GetClientRect().Contains(event.GetPosition())) return;
  checked_ = !checked_;
  state_ = checked_ ? kChecked : kUnchecked;
  Repaint();
  wxCommandEvent toggled(DH_EVT_CHECK_TOGGLED, GetId());
  toggled.SetEventObject(this);
  toggled.SetInt(checked_ ? 1 : 0);
  GetEventHandler()->ProcessEvent(toggled);
}
