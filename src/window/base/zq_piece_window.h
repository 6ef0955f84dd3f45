// Base of the skinned panes of the main window: a panel that paints one
// background picture (its piece of the whole-window picture) through an
// off-screen buffer and takes part in the program's notifications.
#ifndef TARNLY_WINDOW_BASE_ZQ_PIECE_WINDOW_H
#define TARNLY_WINDOW_BASE_ZQ_PIECE_WINDOW_H

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/panel.h>

#include "window/base/cjx_observer.h"
#include "window/base/cjx_subject.h"

class ZqPieceWindow : public wxPanel, public CjxObserver, public CjxSubject {
 public:
  ZqPieceWindow() = default;
  // `background` is a heap bitmap; the pane owns it once creation succeeds.
  ZqPieceWindow(wxWindow* parent, wxBitmap* background, wxWindowID id = wxID_ANY,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = wxTAB_TRAVERSAL | wxNO_BORDER,
                const wxString& name = wxASCII_STR(wxPanelNameStr));
  ~ZqPieceWindow() override;

  bool Create(wxWindow* parent, wxBitmap* background, wxWindowID id = wxID_ANY,
              const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxTAB_TRAVERSAL | wxNO_BORDER,
              const wxString& name = wxASCII_STR(wxPanelNameStr));

  wxBitmap* GetBackground() const { return background_; }

  // Keep the toolkit's repaint-now call visible next to the notification
  // handler of the same name.
  using wxPanel::Update;
  // Notification handler; the base ignores every code.
  void Update(CjxSubject* subject, void* payload) override;
  // Paints the pane; subclasses call this first and draw their extras on top.
  virtual void Draw(wxDC& dc);

 protected:
  void OnPaint(wxPaintEvent& event);

 private:
  wxBitmap* background_ = nullptr;  // owned

  wxDECLARE_DYNAMIC_CLASS(ZqPieceWindow);
  wxDECLARE_EVENT_TABLE();
};

#endif
