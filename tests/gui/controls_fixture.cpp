#include "gui/controls_fixture.h"

#include <wx/app.h>
#include <wx/dcbuffer.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "gui/screen_capture.h"

namespace controls_test {

void Pump(int ms) {
  // A real nested loop, so that the toolkit's frame clock runs and
  // repaints reach the screen.
  wxEventLoop loop;
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
  timer.StartOnce(ms);
  loop.Run();
}

wxColour PositionColour(int x, int y) { return wxColour(x % 256, y % 256, 90); }

wxBitmap PositionPicture(int width, int height) {
  wxImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.SetRGB(x, y, x % 256, y % 256, 90);
  }
  return wxBitmap(image);
}

wxBitmap SolidPicture(int width, int height, const wxColour& colour, bool transparent_corner) {
  wxImage image(width, height);
  image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
  if (transparent_corner) {
    image.InitAlpha();
    image.SetAlpha(0, 0, wxIMAGE_ALPHA_TRANSPARENT);
  }
  return wxBitmap(image);
}

wxImage Capture(wxWindow* window) { return screencap::CaptureClientArea(window); }

wxColour PixelAt(const wxImage& image, int x, int y) {
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

void MoveTo(wxWindow* window, const wxPoint& client_point) {
  wxUIActionSimulator sim;
  sim.MouseMove(window->ClientToScreen(client_point));
  Pump();
}

void MoveOutside(wxWindow* window) {
  // Well below and right of the window, still inside the test frame.
  MoveTo(window, wxPoint(window->GetSize().x + 30, window->GetSize().y + 30));
}

void Press() {
  wxUIActionSimulator sim;
  sim.MouseDown();
  Pump();
}

void Release() {
  wxUIActionSimulator sim;
  sim.MouseUp();
  Pump();
}

PicturePanel::PicturePanel(wxWindow* parent, const wxBitmap& picture)
    : wxPanel(parent, wxID_ANY, wxPoint(0, 0), picture.GetSize()), picture_(picture) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxBufferedPaintDC dc(this);
    dc.DrawBitmap(picture_, 0, 0);
  });
}

void ControlsTest::SetUp() {
  frame_ = new wxFrame(nullptr, wxID_ANY, "controls", wxPoint(40, 40), wxDefaultSize,
                       wxDEFAULT_FRAME_STYLE);
  panel_ = new PicturePanel(frame_, PositionPicture(400, 300));
  frame_->SetClientSize(400, 300);
}

void ControlsTest::ShowAndWait() {
  frame_->Show();
  frame_->Raise();
  for (int i = 0; i < 40 && !frame_->IsShownOnScreen(); ++i) Pump(25);
  Pump(250);
}

void ControlsTest::TearDown() {
  frame_->Destroy();
  Pump(30);
}

}  // namespace controls_test
