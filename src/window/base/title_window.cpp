#include "window/base/title_window.h"

#include <wx/app.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

#include "common/app_util.h"
#include "common/image_util.h"
#include "window/base/dh_bitmap_button.h"
#include "window/base/dh_window_move.h"

wxIMPLEMENT_DYNAMIC_CLASS(TitleWindow, ZqPieceWindow);

wxBEGIN_EVENT_TABLE(TitleWindow, ZqPieceWindow)
  EVT_BUTTON(TitleWindow::kCloseButtonId, TitleWindow::OnClose)
  EVT_BUTTON(TitleWindow::kMinimizeButtonId, TitleWindow::OnMinimize)
  EVT_LEFT_DOWN(TitleWindow::OnLeftDown)
  EVT_LEFT_UP(TitleWindow::OnLeftUp)
  EVT_MOTION(TitleWindow::OnMotion)
wxEND_EVENT_TABLE()

namespace {

constexpr int kLogoSize = 16;
constexpr int kTitleGap = 10;

wxColour FaceColour(const wxString& key) {
  const FaceRect& entry = GetFaceRect(key);
  return wxColour(entry.x & 0xff, entry.y & 0xff, entry.width & 0xff);
}

}  // namespace

TitleWindow::TitleWindow(wxBitmap* background, wxWindow* parent, wxWindowID id,
                         const wxPoint& pos, const wxSize& size, long style) {
  Create(background, parent, id, pos, size, style);
}

bool TitleWindow::Create(wxBitmap* background, wxWindow* parent, wxWindowID id,
                         const wxPoint& pos, const wxSize& size, long style) {
  if (!ZqPieceWindow::Create(parent, background, id, pos, size, style,
                             wxASCII_STR(wxPanelNameStr))) {
    return false;
  }
  LoadLogo();
  logo_entry_ = &GetFaceRect("/face/titlebar/logo");
  text_colour_ = FaceColour("/face/titlebar/textcolour");
  const FaceRect& close_entry = GetFaceRect("/face/titlebar/closebutton");
  // The close entry's x is an offset from the right edge (usually negative).
  close_button_ = MakeButton(kCloseButtonId, "image/base/close", size.x + close_entry.x);
  minimize_button_ =
      MakeButton(kMinimizeButtonId, "image/titlebar/minimize", close_button_->GetPosition().x);
  return true;
}

void TitleWindow::LoadLogo() {
  logo_ = ImageUtil::LoadThemeBitmap("application/application.png");
  if (logo_.IsOk() && (logo_.GetWidth() != kLogoSize || logo_.GetHeight() != kLogoSize)) {
    logo_ = wxBitmap(logo_.ConvertToImage().Scale(kLogoSize, kLogoSize, wxIMAGE_QUALITY_NORMAL));
  }
}

DhBitmapButton* TitleWindow::MakeButton(wxWindowID id, const wxString& picture_prefix, int right) {
  wxBitmap* normal = ImageUtil::NewThemeBitmap(picture_prefix + "-normal.png");
  wxBitmap* current = ImageUtil::NewThemeBitmap(picture_prefix + "-current.png");
  wxBitmap* pressed = ImageUtil::NewThemeBitmap(picture_prefix + "-pressed.png");
  const wxSize size = normal != nullptr ? normal->GetSize() : wxSize(0, 0);
  const wxPoint pos(right - size.x, logo_entry_->y);
  auto* button = new DhBitmapButton(this, id, pos, size, wxBORDER_NONE);
  button->SetNormalBitmap(normal)->SetPressedBitmap(pressed);
  button->SetCurrentBitmap(current);
  // The piece of the title bar under the button (a button reaching past the
  // bar gets the face check message and the part that exists).
  const wxBitmap* background = GetBackground();
  if (background != nullptr && size.x > 0 && size.y > 0) {
    button->SetBackgroundBitmap(ImageUtil::CropBitmap(*background, pos.x, pos.y, size.x, size.y));
  }
  return button;
}

wxSize TitleWindow::DoGetBestSize() const {
  return GetBackground() != nullptr ? GetBackground()->GetSize() : wxSize(0, 0);
}

wxFont TitleWindow::TitleFont() {
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetPointSize(9);
  font.SetWeight(wxFONTWEIGHT_BOLD);
  return font;
}

wxPoint TitleWindow::GetTitleOrigin(int text_height) const {
  const int logo_width = logo_.IsOk() ? logo_.GetWidth() : 0;
  const int logo_height = logo_.IsOk() ? logo_.GetHeight() : 0;
  // The text's bottom lines up with the logo's bottom.
  return wxPoint(logo_entry_->x + logo_width + kTitleGap,
                 logo_entry_->y + logo_height - text_height);
}

void TitleWindow::Draw(wxDC& dc) {
  ZqPieceWindow::Draw(dc);
  if (logo_entry_ == nullptr) return;
  if (logo_.IsOk()) dc.DrawBitmap(logo_, logo_entry_->x, logo_entry_->y, true);
  const wxString title = AppUtil::GetProductName();
  dc.SetFont(TitleFont());
  dc.SetTextForeground(text_colour_);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.DrawText(title, GetTitleOrigin(dc.GetTextExtent(title).y));
}

void TitleWindow::OnClose(wxCommandEvent&) {
  wxWindow* top = wxTheApp->GetTopWindow();
  if (top == nullptr) return;
  // Through the frame's own close handling, which may refuse.
  auto* close = new wxCloseEvent(wxEVT_CLOSE_WINDOW, 0);
  close->SetCanVeto(true);
  close->SetEventObject(top);
  top->GetEventHandler()->QueueEvent(close);
}

void TitleWindow::OnMinimize(wxCommandEvent&) {
  if (auto* top = wxDynamicCast(wxTheApp->GetTopWindow(), wxTopLevelWindow)) top->Iconize(true);
}

void TitleWindow::OnLeftDown(wxMouseEvent& event) {
  if (wxWindow* top = wxTheApp->GetTopWindow()) {
    DhWindowMove::BeginMove(top, this, event, drag_offset_);
  }
}

void TitleWindow::OnMotion(wxMouseEvent& event) {
  if (wxWindow* top = wxTheApp->GetTopWindow()) {
    DhWindowMove::DoMove(top, this, event, drag_offset_);
  }
}

void TitleWindow::OnLeftUp(wxMouseEvent& event) {
  if (wxWindow* top = wxTheApp->GetTopWindow()) {
    DhWindowMove::EndMove(top, this, event, drag_offset_);
  }
}
