// What the skinned buttons share: the mouse states and the click.  The
// button tracks the pointer and the left button itself (no capture) and
// sends the ordinary button click event when a press is released over it.
// A disabled button ignores the pointer so it keeps its disabled look.
#ifndef TARNLY_WINDOW_BASE_DH_BUTTON_BASE_H
#define TARNLY_WINDOW_BASE_DH_BUTTON_BASE_H

#include <wx/control.h>

// States 0, 3 and 4 look normal.
enum DhButtonState {
  DH_BUTTON_NORMAL = 0,    // created or enabled
  DH_BUTTON_CURRENT = 1,   // pointer over the button
  DH_BUTTON_PRESSED = 2,   // left button down (or double click)
  DH_BUTTON_RELEASED = 3,  // released after a click
  DH_BUTTON_LEFT = 4,      // pointer left while enabled
  DH_BUTTON_DISABLED = 6
};

class DhButtonBase : public wxControl {
 public:
  bool Enable(bool enable = true) override;
  int GetState() const { return state_; }

 protected:
  // Creates the borderless control that paints its whole background itself.
  bool CreateButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                    long style, const wxValidator& validator);
  wxSize DoGetBestSize() const override { return GetSize(); }

  virtual void OnEnterWindow(wxMouseEvent& event);
  virtual void OnLeaveWindow(wxMouseEvent& event);
  virtual void OnLeftDown(wxMouseEvent& event);
  virtual void OnLeftDClick(wxMouseEvent& event);
  virtual void OnLeftUp(wxMouseEvent& event);

  void SetState(int state);

 private:
  void SendClick();

  int state_ = DH_BUTTON_NORMAL;

  wxDECLARE_EVENT_TABLE();
};

#endif
