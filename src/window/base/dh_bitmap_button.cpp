#include "window/base/dh_bitmap_button.h"

#include <wx/dcclient.h>

wxIMPLEMENT_DYNAMIC_CLASS(DhBitmapButton, DhButtonBase);

wxBEGIN_EVENT_TABLE(DhBitmapButton, DhButtonBase)
  EVT_PAINT(DhBitmapButton::OnPaint)
wxEND_EVENT_TABLE()

DhBitmapButton::DhBitmapButton(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                               const wxSize& size, long style, const wxValidator& validator) {
  Create(parent, id, pos, size, style, validator);
}

DhBitmapButton::~DhBitmapButton() {
  // The same picture may sit in several owned slots; delete it once.
  ReplaceOwned(normal_bitmap_, nullptr);
  ReplaceOwned(pressed_bitmap_, nullptr);
  ReplaceOwned(current_bitmap_, nullptr);
}

bool DhBitmapButton::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                            const wxSize& size, long style, const wxValidator& validator) {
  normal_bitmap_ = pressed_bitmap_ = current_bitmap_ = disabled_bitmap_ = nullptr;
  if (!CreateButton(parent, id, pos, size, style, validator)) return false;
  has_background_ = false;
  return true;
}

bool DhBitmapButton::IsOwnedElsewhere(const wxBitmap* bitmap,
                                      const wxBitmap* const* except) const {
  const wxBitmap* const* slots[] = {&normal_bitmap_, &pressed_bitmap_, &current_bitmap_};
  for (const wxBitmap* const* slot : slots) {
    if (slot != except && *slot == bitmap) return true;
  }
  return false;
}

void DhBitmapButton::ReplaceOwned(wxBitmap*& slot, wxBitmap* bitmap) {
  wxBitmap* old = slot;
  slot = bitmap;
  if (old != nullptr && !IsOwnedElsewhere(old, &slot)) delete old;
}

DhBitmapButton* DhBitmapButton::SetNormalBitmap(wxBitmap* bitmap) {
  ReplaceOwned(normal_bitmap_, bitmap);
  return this;
}

DhBitmapButton* DhBitmapButton::SetPressedBitmap(wxBitmap* bitmap) {
  ReplaceOwned(pressed_bitmap_, bitmap);
  return this;
}

void DhBitmapButton::SetCurrentBitmap(wxBitmap* bitmap) { ReplaceOwned(current_bitmap_, bitmap); }

void DhBitmapButton::SetBackgroundBitmap(const wxBitmap& picture) {
  background_bitmap_ = picture;
  has_background_ = true;
}

bool DhBitmapButton::SetBackgroundColour(const wxColour& colour) {
  has_background_ = false;
  return wxControl::SetBackgroundColour(colour);
}

void DhBitmapButton::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  Render(dc);
}

void DhBitmapButton::Render(wxDC& dc) {
  DrawBackground(dc);
  switch (GetState()) {
    case DH_BUTTON_CURRENT:
      if (current_bitmap_ != nullptr) {
        DrawPicture(dc, current_bitmap_);
      } else {
        // A theme without a hover picture: show the normal one, framed in
        // red so the missing picture is noticed.
        DrawPicture(dc, normal_bitmap_);
        dc.SetPen(*wxRED_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(wxPoint(0, 0), GetSize());
      }
      break;
    case DH_BUTTON_PRESSED:
      DrawPicture(dc, pressed_bitmap_ != nullptr ? pressed_bitmap_ : normal_bitmap_);
      break;
    case DH_BUTTON_DISABLED:
      DrawPicture(dc, disabled_bitmap_ != nullptr ? disabled_bitmap_ : normal_bitmap_);
      break;
    default:
      DrawPicture(dc, normal_bitmap_);
      break;
  }
}

void DhBitmapButton::DrawBackground(wxDC& dc) {
  if (has_background_) {
    if (background_bitmap_.IsOk()) dc.DrawBitmap(background_bitmap_, 0, 0, true);
    return;
  }
  const wxColour colour = GetBackgroundColour();
  dc.SetPen(wxPen(colour, 1));
  dc.SetBrush(wxBrush(colour));
  dc.DrawRectangle(wxPoint(0, 0), GetSize());
}

void DhBitmapButton::DrawPicture(wxDC& dc, const wxBitmap* picture) {
  if (picture != nullptr && picture->IsOk()) dc.DrawBitmap(*picture, 0, 0, true);
}
