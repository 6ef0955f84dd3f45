// A skinned check box: the piece of the parent's picture under it, the
// platform's own check mark (through the native renderer) and a caption,
// with no grey box around them.
#ifndef TARNLY_WINDOW_BASE_DH_CHECK_BOX_H
#define TARNLY_WINDOW_BASE_DH_CHECK_BOX_H

#include <wx/control.h>

#include "window/base/dh_background_piece.h"

// Sent when the user toggles a check box; the integer is the new value.
wxDECLARE_EVENT(DH_EVT_CHECK_TOGGLED, wxCommandEvent);
#define EVT_DH_CHECK_TOGGLED(id, func) \
  wx__DECLARE_EVT1(DH_EVT_CHECK_TOGGLED, id, wxCommandEventHandler(func))

class DhCheckBox : public wxControl {
 public:
  // Visible states: the checked value, plus 10 while disabled.
  enum { kUnchecked = 0, kChecked = 1, kDisabledUnchecked = 10, kDisabledChecked = 11 };

  DhCheckBox() = default;

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = wxBORDER_NONE,
              const wxValidator& validator = wxDefaultValidator);

  // The parent's whole picture; `skip` leaves the background unpainted.
  void SetBackgroundBitmap(const wxBitmap& picture, bool skip);
  // Stores the caption and resizes the control to mark, gap and caption.
  void SetCaption(const wxString& caption);
  void SetValue(bool checked);
  bool GetValue() const { return checked_; }
  bool Enable(bool enable = true) override;

  int GetState() const { return state_; }
  wxSize GetMarkSize() const { return mark_size_; }
  wxRect GetMarkRect() const;
  wxPoint GetCaptionOrigin() const;
  // What a paint shows.
  void Render(wxDC& dc);

 protected:
  wxSize DoGetBestSize() const override { return GetSize(); }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  wxColour CaptionColour() const;
  void Repaint();

  wxString caption_;
  wxSize mark_size_;
  int gap_ = 6;
  bool checked_ = false;
  bool pressed_ = false;
  DhBackgroundPiece background_;
  bool skip_background_ = false;
  int state_ = kUnchecked;

  wxDECLARE_DYNAMIC_CLASS(DhCheckBox);
  wxDECLARE_EVENT_TABLE();
};

#endif
