#include "gui/controls_fixture.h"

#include <dlfcn.h>


#include <wx/app.h>
#include <wx/dcbuffer.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

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

// The screen is read through GDK, which the toolkit has already loaded:
// on GTK 3 the toolkit's screen device context hands back an outdated copy
// after the first read.
wxImage Capture(wxWindow* window) {
  using RootFn = void* (*)();
  using PixbufFn = void* (*)(void*, int, int, int, int);
  using PixelsFn = unsigned char* (*)(void*);
  using IntFn = int (*)(void*);
  using UnrefFn = void (*)(void*);
  static auto root_window =
      reinterpret_cast<RootFn>(dlsym(RTLD_DEFAULT, "gdk_get_default_root_window"));
  static auto from_window =
      reinterpret_cast<PixbufFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_from_window"));
  static auto pixels = reinterpret_cast<PixelsFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_pixels"));
  static auto rowstride = reinterpret_cast<IntFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_rowstride"));
  static auto channels = reinterpret_cast<IntFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_n_channels"));
  static auto unref = reinterpret_cast<UnrefFn>(dlsym(RTLD_DEFAULT, "g_object_unref"));
  const wxSize size = window->GetClientSize();
  const wxPoint origin = window->ClientToScreen(wxPoint(0, 0));
  wxImage image(size);
  if (root_window == nullptr || from_window == nullptr) {
    ADD_FAILURE() << "the screen cannot be read";
    return image;
  }
  void* pixbuf = from_window(root_window(), origin.x, origin.y, size.x, size.y);
  if (pixbuf == nullptr) return image;
  const unsigned char* data = pixels(pixbuf);
  const int stride = rowstride(pixbuf);
  const int step = channels(pixbuf);
  for (int y = 0; y < size.y; ++y) {
    for (int x = 0; x < size.x; ++x) {
      const unsigned char* p = data + y * stride + x * step;
      image.SetRGB(x, y, p[0], p[1], p[2]);
    }
  }
  unref(pixbuf);
  return image;
}

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
