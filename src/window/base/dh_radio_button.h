// A skinned radio button: the piece of the parent's picture under it, one
// of two given pictures (selected or not) and a caption, either beside the
// picture or drawn over it ("picture-sized" layout).  Buttons are tied
// together by a DhRadioGroup.
#ifndef TARNLY_WINDOW_BASE_DH_RADIO_BUTTON_H
#define TARNLY_WINDOW_BASE_DH_RADIO_BUTTON_H

#include <wx/bitmap.h>
#include <wx/control.h>

#include "window/base/dh_background_piece.h"

class DhRadioGroup;

// Sent when the user clicks an unselected radio button; the integer is the
// button's index in its group.  The selection moves only when a handler
// processes the event (a handler that skips it refuses the selection).
wxDECLARE_EVENT(DH_EVT_RADIO_SELECTED, wxCommandEvent);
#define EVT_DH_RADIO_SELECTED(id, func) \
  wx__DECLARE_EVT1(DH_EVT_RADIO_SELECTED, id, wxCommandEventHandler(func))

class DhRadioButton : public wxControl {
 public:
  DhRadioButton() = default;

  bool Create(wxWindow* parent, wxWindowID id, const wxBitmap& unselected,
              const wxBitmap& selected, const wxBitmap& background,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxBORDER_NONE, const wxValidator& validator = wxDefaultValidator);

  // Stores the caption and layout and resizes the control: picture-sized
  // takes the picture's size, otherwise caption + gap + picture.
  void SetCaption(const wxString& caption, bool picture_sized);
  // Top of the caption in the picture-sized layout.
  void SetCaptionTop(int y) { caption_top_ = y; }
  // Outside a group this sets the flag; inside a group `true` makes the
  // button the group's selection and `false` is ignored, so that a group
  // always keeps its one selected button.
  void SetValue(bool selected);
  bool GetValue() const { return selected_; }
  int GetIndex() const { return index_; }

  wxPoint GetCaptionOrigin() const;
  // What a paint shows.
  void Render(wxDC& dc);

 protected:
  wxSize DoGetBestSize() const override { return GetSize(); }

 private:
  friend class DhRadioGroup;
  void JoinGroup(DhRadioGroup* group, int index);
  void SetSelectedFlag(bool selected);

  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  const wxBitmap& CurrentPicture() const;

  DhRadioGroup* group_ = nullptr;  // not owned
  int index_ = -1;
  wxBitmap unselected_bitmap_;
  wxBitmap selected_bitmap_;
  DhBackgroundPiece background_;
  wxString caption_;
  bool selected_ = false;
  int gap_ = 6;
  bool picture_sized_ = false;
  int caption_top_ = 0;

  wxDECLARE_DYNAMIC_CLASS(DhRadioButton);
  wxDECLARE_EVENT_TABLE();
};

#endif
