// A skinned push button with a caption.  Its picture is composed from a
// three-part image (left cap, a middle part tiled under the caption, right
// cap), so the button is exactly as wide as its caption plus both caps.
// It paints the piece of its parent's picture under itself and sends the
// ordinary button click event when a press is released over it.
#ifndef TARNLY_WINDOW_BASE_DH_WORD_BUTTON_H
#define TARNLY_WINDOW_BASE_DH_WORD_BUTTON_H

#include <wx/bitmap.h>
#include "window/base/dh_background_piece.h"
#include "window/base/dh_button_base.h"

class DhWordButton : public DhButtonBase {
 public:
  // Background modes.
  enum { kBackgroundPicture = 0, kBackgroundColour = 2 };

  DhWordButton() = default;
  DhWordButton(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition);

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition);

  // Cuts the state images into their three parts.  The normal image is
  // required; `current` and `pressed` may be invalid bitmaps.  The right cap
  // runs from left_width + middle_width to the image's right edge.
  virtual void SetBitmaps(const wxBitmap& normal, int left_width, int middle_width,
                          const wxBitmap& current, const wxBitmap& pressed);
  // The parent's whole background picture and the background mode.
  void SetBackgroundBitmap(const wxBitmap& picture, int mode);
  // Top of the caption inside the button (from the face description).
  void SetTextTop(int y) { text_origin_.y = y; }
  // Stores the caption and font, composes the pictures and resizes the
  // button to the composed picture.  Call after SetBitmaps.
  void SetText(const wxString& caption, const wxFont& font);
  // A copy of the composed normal picture with the caption drawn on it.
  wxBitmap GetLabelledBitmap() const;

  bool SetBackgroundColour(const wxColour& colour) override;

  const wxString& GetText() const { return label_; }
  wxPoint GetTextOrigin() const { return text_origin_; }
  int GetBackgroundMode() const { return background_mode_; }
  wxRect GetBackgroundCutRect() const { return background_.GetCutRect(); }
  // What a paint shows: background, state picture and caption.
  void Render(wxDC& dc);

 protected:
  virtual void OnPaint(wxPaintEvent& event);
  virtual void DrawStateBitmap(wxDC& dc, const wxBitmap& bitmap);
  virtual void DrawBackground(wxDC& dc);
  virtual void DrawLabel(wxDC& dc) const;
  virtual wxBitmap ComposeBitmap(const wxBitmap& left, const wxBitmap& middle,
                                 const wxBitmap& right) const;
  virtual void UpdateTextOrigin();
  // Called once the caption origin is known, before composing.
  virtual void OnComposed() {}

 private:
  int CaptionWidth() const;
  static void CutThreeParts(const wxBitmap& image, int left_width, int middle_width,
                            wxBitmap parts[4]);

  wxBitmap normal_bitmap_[4];   // left, middle, right, composed
  wxBitmap pressed_bitmap_[4];
  wxBitmap current_bitmap_[4];
  wxBitmap disabled_bitmap_;
  DhBackgroundPiece background_;
  int background_mode_ = kBackgroundColour;
  wxString label_;
  wxPoint text_origin_;

  wxDECLARE_DYNAMIC_CLASS(DhWordButton);
  wxDECLARE_EVENT_TABLE();
};

#endif
