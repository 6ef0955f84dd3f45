#include "window/base/dh_word_button.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "common/image_util.h"

wxIMPLEMENT_DYNAMIC_CLASS(DhWordButton, DhButtonBase);

wxBEGIN_EVENT_TABLE(DhWordButton, DhButtonBase)
  EVT_PAINT(DhWordButton::OnPaint)
wxEND_EVENT_TABLE()

namespace {

// A copy whose mask colour became transparency, so that pieces and the
// composed picture keep their see-through parts.
wxBitmap WithAlphaForMask(const wxBitmap& bitmap) {
  if (!bitmap.IsOk() || bitmap.GetMask() == nullptr || bitmap.HasAlpha()) return bitmap;
  wxImage image = bitmap.ConvertToImage();
  if (!image.HasMask() || image.HasAlpha()) return bitmap;
  ImageUtil::MaskToAlpha(image);
  return wxBitmap(image);
}

wxImage TransparentImage(int width, int height) {
  wxImage image(width, height, true);
  image.InitAlpha();
  std::fill_n(image.GetAlpha(), width * height, wxIMAGE_ALPHA_TRANSPARENT);
  return image;
}

// The toolkit's disabled look (brightness 100), keeping the see-through
// parts see-through.
wxBitmap DisabledLook(const wxBitmap& bitmap) {
  const wxImage image = bitmap.ConvertToImage();
  wxImage disabled = image.ConvertToDisabled(100);
  if (image.HasAlpha()) {
    if (!disabled.HasAlpha()) disabled.InitAlpha();
    std::copy_n(image.GetAlpha(), image.GetWidth() * image.GetHeight(), disabled.GetAlpha());
  }
  return wxBitmap(disabled);
}

}  // namespace

DhWordButton::DhWordButton(wxWindow* parent, wxWindowID id, const wxPoint& pos) {
  Create(parent, id, pos);
}

bool DhWordButton::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos) {
  if (!CreateButton(parent, id, pos, wxDefaultSize, wxBORDER_NONE, wxDefaultValidator)) return false;
  background_mode_ = kBackgroundColour;
  text_origin_ = wxPoint(0, 0);
  return true;
}

void DhWordButton::CutThreeParts(const wxBitmap& image, int left_width, int middle_width,
                                 wxBitmap parts[4]) {
  for (int i = 0; i < 4; ++i) parts[i] = wxNullBitmap;
  if (!image.IsOk()) return;
  const int width = image.GetWidth();
  const int height = image.GetHeight();
  if (left_width < 0 || middle_width < 0 || left_width + middle_width > width) {
    // Slices that do not fit the image: the usual face check message, then
    // go on with the slices clipped to the image.
    ImageUtil::CropBitmap(image, 0, 0, std::max(0, left_width) + std::max(0, middle_width), height);
    left_width = std::clamp(left_width, 0, width);
    middle_width = std::clamp(middle_width, 0, width - left_width);
  }
  // Cut with the image's own alpha kept: rounded caps stay see-through.
  const int right_start = left_width + middle_width;
  if (left_width > 0) parts[0] = image.GetSubBitmap(wxRect(0, 0, left_width, height));
  if (middle_width > 0) parts[1] = image.GetSubBitmap(wxRect(left_width, 0, middle_width, height));
  if (right_start < width) {
    parts[2] = image.GetSubBitmap(wxRect(right_start, 0, width - right_start, height));
  }
}

void DhWordButton::SetBitmaps(const wxBitmap& normal, int left_width, int middle_width,
                              const wxBitmap& current, const wxBitmap& pressed) {
  CutThreeParts(WithAlphaForMask(normal), left_width, middle_width, normal_bitmap_);
  CutThreeParts(WithAlphaForMask(current), left_width, middle_width, current_bitmap_);
  CutThreeParts(WithAlphaForMask(pressed), left_width, middle_width, pressed_bitmap_);
}

void DhWordButton::SetBackgroundBitmap(const wxBitmap& picture, int mode) {
  background_.SetPicture(picture);
  background_mode_ = mode;
}

void DhWordButton::SetText(const wxString& caption, const wxFont& font) {
  if (caption != label_) {
    label_ = caption;
    wxControl::SetLabel(caption);
  }
  SetFont(font);
  UpdateTextOrigin();
  OnComposed();
  normal_bitmap_[3] = ComposeBitmap(normal_bitmap_[0], normal_bitmap_[1], normal_bitmap_[2]);
  if (normal_bitmap_[3].IsOk()) {
    SetSize(normal_bitmap_[3].GetSize());
    disabled_bitmap_ = DisabledLook(normal_bitmap_[3]);
  } else {
    // No usable normal image: keep the caption readable on the background.
    SetSize(GetTextExtent(label_.empty() ? wxString(" ") : label_));
    disabled_bitmap_ = wxNullBitmap;
  }
  current_bitmap_[3] = current_bitmap_[0].IsOk()
      ? ComposeBitmap(current_bitmap_[0], current_bitmap_[1], current_bitmap_[2]) : wxNullBitmap;
  pressed_bitmap_[3] = pressed_bitmap_[0].IsOk()
      ? ComposeBitmap(pressed_bitmap_[0], pressed_bitmap_[1], pressed_bitmap_[2]) : wxNullBitmap;
  Refresh();
}

void DhWordButton::UpdateTextOrigin() {
  text_origin_.x = normal_bitmap_[0].IsOk() ? normal_bitmap_[0].GetWidth() : 0;
}

int DhWordButton::CaptionWidth() const {
  return label_.empty() ? 0 : GetTextExtent(label_).GetWidth();
}

wxBitmap DhWordButton::ComposeBitmap(const wxBitmap& left, const wxBitmap& middle,
                                     const wxBitmap& right) const {
  if (!left.IsOk()) return wxNullBitmap;
  const int caption_width = CaptionWidth();
  const int right_width = right.IsOk() ? right.GetWidth() : 0;
  const int width = left.GetWidth() + caption_width + right_width;
  const int height = left.GetHeight();
  wxImage result = left.HasAlpha() ? TransparentImage(width, height) : wxImage(width, height, true);
  result.Paste(left.ConvertToImage(), 0, 0);
  // The middle part is tiled under the caption; an empty caption gets none.
  if (middle.IsOk() && caption_width > 0) {
    const wxImage tile = middle.ConvertToImage();
    wxImage centre = left.HasAlpha() ? TransparentImage(caption_width, tile.GetHeight())
                                     : wxImage(caption_width, tile.GetHeight(), true);
    for (int x = 0; x < caption_width; x += tile.GetWidth()) centre.Paste(tile, x, 0);
    result.Paste(centre, left.GetWidth(), 0);
  }
  if (right.IsOk()) result.Paste(right.ConvertToImage(), left.GetWidth() + caption_width, 0);
  return wxBitmap(result);
}

wxBitmap DhWordButton::GetLabelledBitmap() const {
  if (!normal_bitmap_[3].IsOk()) return wxNullBitmap;
  wxBitmap copy(normal_bitmap_[3].ConvertToImage());
  wxMemoryDC dc(copy);
  DrawLabel(dc);
  dc.SelectObject(wxNullBitmap);
  return copy;
}

bool DhWordButton::SetBackgroundColour(const wxColour& colour) {
  background_mode_ = kBackgroundColour;
  return wxControl::SetBackgroundColour(colour);
}

void DhWordButton::Render(wxDC& dc) {
  DrawBackground(dc);
  switch (GetState()) {
    case DH_BUTTON_CURRENT: DrawStateBitmap(dc, current_bitmap_[3]); break;
    case DH_BUTTON_PRESSED: DrawStateBitmap(dc, pressed_bitmap_[3]); break;
    case DH_BUTTON_DISABLED: DrawStateBitmap(dc, disabled_bitmap_); break;
    default: DrawStateBitmap(dc, normal_bitmap_[3]); break;
  }
  DrawLabel(dc);
}

void DhWordButton::OnPaint(wxPaintEvent&) {
  wxBufferedPaintDC dc(this);
  Render(dc);
}

void DhWordButton::DrawBackground(wxDC& dc) {
  if (background_mode_ == kBackgroundPicture) {
    background_.Draw(dc, GetRect());
    return;
  }
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(GetBackgroundColour()));
  dc.DrawRectangle(wxPoint(0, 0), GetClientSize());
}

void DhWordButton::DrawStateBitmap(wxDC& dc, const wxBitmap& bitmap) {
  const wxBitmap& shown = bitmap.IsOk() ? bitmap : normal_bitmap_[3];
  if (shown.IsOk()) dc.DrawBitmap(shown, 0, 0, true);
}

void DhWordButton::DrawLabel(wxDC& dc) const {
  if (label_.empty()) return;
  dc.SetFont(GetFont());
  dc.SetTextForeground(GetForegroundColour());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.DrawText(label_, text_origin_);
}
