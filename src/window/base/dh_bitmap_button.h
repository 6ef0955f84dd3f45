// A skinned button showing one whole picture per state and no caption
// (title bar, about dialog and page navigation buttons).  It paints its
// background piece, then the state picture, and sends the ordinary button
// click event when a press is released over it.
#ifndef TARNLY_WINDOW_BASE_DH_BITMAP_BUTTON_H
#define TARNLY_WINDOW_BASE_DH_BITMAP_BUTTON_H

#include <wx/bitmap.h>
#include "window/base/dh_button_base.h"

class DhBitmapButton : public DhButtonBase {
 public:
  DhBitmapButton() = default;
  DhBitmapButton(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                 const wxSize& size = wxDefaultSize, long style = wxBORDER_NONE,
                 const wxValidator& validator = wxDefaultValidator);
  ~DhBitmapButton() override;

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = wxBORDER_NONE,
              const wxValidator& validator = wxDefaultValidator);

  // The button owns the normal, pressed and current pictures (heap bitmaps,
  // deleted with the button); the disabled picture is only borrowed.
  DhBitmapButton* SetNormalBitmap(wxBitmap* bitmap);
  DhBitmapButton* SetPressedBitmap(wxBitmap* bitmap);
  void SetCurrentBitmap(wxBitmap* bitmap);
  void SetDisabledBitmap(wxBitmap* bitmap) { disabled_bitmap_ = bitmap; }
  // The piece of the parent's picture under the button (copied).
  void SetBackgroundBitmap(const wxBitmap& picture);

  bool SetBackgroundColour(const wxColour& colour) override;

  bool HasBackgroundBitmap() const { return has_background_; }
  // What a paint shows for the current state.
  void Render(wxDC& dc);

 private:
  void OnPaint(wxPaintEvent& event);
  void DrawBackground(wxDC& dc);
  void DrawPicture(wxDC& dc, const wxBitmap* picture);
  // Replaces an owned picture, deleting the old one unless another slot
  // still holds it.
  void ReplaceOwned(wxBitmap*& slot, wxBitmap* bitmap);
  bool IsOwnedElsewhere(const wxBitmap* bitmap, const wxBitmap* const* except) const;

  wxBitmap background_bitmap_;
  bool has_background_ = false;
  wxBitmap* normal_bitmap_ = nullptr;
  wxBitmap* pressed_bitmap_ = nullptr;
  wxBitmap* current_bitmap_ = nullptr;
  wxBitmap* disabled_bitmap_ = nullptr;  // borrowed

  wxDECLARE_DYNAMIC_CLASS(DhBitmapButton);
  wxDECLARE_EVENT_TABLE();
};

#endif
