// The skinned strip at the top of the borderless main window: its piece of
// the window picture, the program's logo and name, a minimise and a close
// button at the right end, and dragging of the whole main window.
#ifndef TARNLY_WINDOW_BASE_TITLE_WINDOW_H
#define TARNLY_WINDOW_BASE_TITLE_WINDOW_H

#include <wx/bitmap.h>

#include "window/base/face_config.h"
#include "window/base/zq_piece_window.h"

class DhBitmapButton;

class TitleWindow : public ZqPieceWindow {
 public:
  enum { kCloseButtonId = 0, kMinimizeButtonId = 1 };

  TitleWindow() = default;
  TitleWindow(wxBitmap* background, wxWindow* parent, wxWindowID id,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxNO_BORDER);

  // `background` is a heap bitmap the title bar takes over on success.
  bool Create(wxBitmap* background, wxWindow* parent, wxWindowID id,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxNO_BORDER);

  void Draw(wxDC& dc) override;

  const wxBitmap& GetLogo() const { return logo_; }
  DhBitmapButton* GetCloseButton() const { return close_button_; }
  DhBitmapButton* GetMinimizeButton() const { return minimize_button_; }
  // Where Draw puts the title text, for the given text height.
  wxPoint GetTitleOrigin(int text_height) const;
  static wxFont TitleFont();

 protected:
  wxSize DoGetBestSize() const override;

  virtual void OnLeftDown(wxMouseEvent& event);
  virtual void OnLeftUp(wxMouseEvent& event);
  virtual void OnMotion(wxMouseEvent& event);

 private:
  void OnClose(wxCommandEvent& event);
  void OnMinimize(wxCommandEvent& event);
  void LoadLogo();
  // A button of the three "-normal", "-current", "-pressed" pictures whose
  // right edge is at `right`.
  DhBitmapButton* MakeButton(wxWindowID id, const wxString& picture_prefix, int right);

  wxBitmap logo_;
  const FaceRect* logo_entry_ = nullptr;
  wxColour text_colour_;
  wxPoint drag_offset_;
  DhBitmapButton* close_button_ = nullptr;
  DhBitmapButton* minimize_button_ = nullptr;

  wxDECLARE_DYNAMIC_CLASS(TitleWindow);
  wxDECLARE_EVENT_TABLE();
};

#endif
