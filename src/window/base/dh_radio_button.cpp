#include "window/base/dh_radio_button.h"

#include <algorithm>
#include <cstdlib>

#include <wx/dcbuffer.h>

#include "window/base/dh_radio_group.h"

wxDEFINE_EVENT(DH_EVT_RADIO_SELECTED, wxCommandEvent);

wxIMPLEMENT_DYNAMIC_CLASS(DhRadioButton, wxControl);

wxBEGIN_EVENT_TABLE(DhRadioButton, wxControl)
  EVT_PAINT(DhRadioButton::OnPaint)
  EVT_LEFT_DOWN(DhRadioButton::OnLeftDown)
wxEND_EVENT_TABLE()

bool DhRadioButton::Create(wxWindow* parent, wxWindowID id, const wxBitmap& unselected,
                           const wxBitmap& selected, const wxBitmap& background,
                           const wxPoint& pos, const wxSize& size, long style,
                           const wxValidator& validator) {
  if (!wxControl::Create(parent, id, pos, size, style, validator, wxControlNameStr)) return false;
  unselected_bitmap_ = unselected;
  selected_bitmap_ = selected;
  background_.SetPicture(background);
  selected_ = false;
  index_ = -1;
  gap_ = 6;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  return true;
}

void DhRadioButton::SetCaption(const wxString& caption, bool picture_sized) {
  caption_ = caption;
  picture_sized_ = picture_sized;
  SetLabel(caption);
  if (picture_sized) {
    SetSize(unselected_bitmap_.GetSize());
  } else {
    const wxSize text = GetTextExtent(caption);
    SetSize(text.x + gap_ + unselected_bitmap_.GetWidth(),
            std::max(text.y, unselected_bitmap_.GetHeight()));
  }
  Refresh();
}

void DhRadioButton::SetValue(bool selected) {
  if (group_ == nullptr) {
    SetSelectedFlag(selected);
  } else if (selected) {
    group_->Select(index_);
  }
}

void DhRadioButton::JoinGroup(DhRadioGroup* group, int index) {
  group_ = group;
  index_ = index;
}

void DhRadioButton::SetSelectedFlag(bool selected) {
  selected_ = selected;
  Refresh();
}

const wxBitmap& DhRadioButton::CurrentPicture() const {
  return selected_ ? selected_bitmap_ : unselected_bitmap_;
}

wxPoint DhRadioButton::GetCaptionOrigin() const {
  const int picture_width = CurrentPicture().GetWidth();
  const wxSize text = GetTextExtent(caption_.empty() ? wxString(" ") : caption_);
  const int caption_width = caption_.empty() ? 0 : text.x;
  if (picture_sized_) return wxPoint(std::abs(picture_width - caption_width) / 2, caption_top_);
  return wxPoint(picture_width + gap_, (GetClientSize().y - text.y) / 2);
}

void DhRadioButton::Render(wxDC& dc) {
  if (background_.HasPicture()) {
    background_.Draw(dc, GetRect());
  } else {
    // Painting goes through a buffer: without a picture, clear it to the
    // window's colour rather than leave undefined pixels.
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
  }
  const wxBitmap& picture = CurrentPicture();
  if (picture.IsOk()) {
    dc.DrawBitmap(picture, 0, (GetClientSize().y - picture.GetHeight()) / 2, true);
  }
  if (caption_.empty()) return;
  dc.SetFont(GetFont());
  dc.SetTextForeground(IsEnabled() ? GetForegroundColour() : wxColour(128, 128, 128));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.DrawText(caption_, GetCaptionOrigin());
}

void DhRadioButton::OnPaint(wxPaintEvent&) {
  wxBufferedPaintDC dc(this);
  Render(dc);
}

void DhRadioButton::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  if (selected_ || !IsEnabled()) return;
  wxCommandEvent chosen(DH_EVT_RADIO_SELECTED, GetId());
  chosen.SetEventObject(this);
  chosen.SetInt(index_);
  // The owner refuses by skipping the event or by not handling it.
  if (!GetEventHandler()->ProcessEvent(chosen)) return;
  if (group_ != nullptr) {
    group_->Select(index_);
  } else {
    SetSelectedFlag(true);
  }
}
