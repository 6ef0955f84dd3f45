// Shared fixture of the skinned control tests: a real frame on the X
// display holding a pane that paints a picture whose every pixel tells its
// position, plus helpers to drive the real mouse and read the screen.
#ifndef TARNLY_TESTS_GUI_CONTROLS_FIXTURE_H
#define TARNLY_TESTS_GUI_CONTROLS_FIXTURE_H

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>

#include <ostream>

// Readable colours in assertion messages.
inline void PrintTo(const wxColour& colour, std::ostream* os) {
  *os << "rgb(" << int(colour.Red()) << "," << int(colour.Green()) << "," << int(colour.Blue())
      << ")";
}

namespace controls_test {

// Runs the event loop for about `ms` milliseconds.
void Pump(int ms = 60);

// A picture where pixel (x, y) is (x % 256, y % 256, 90): a piece cut from
// it shows where it was cut.
wxBitmap PositionPicture(int width, int height);
wxColour PositionColour(int x, int y);

// A solid picture, optionally with a fully transparent top-left pixel.
wxBitmap SolidPicture(int width, int height, const wxColour& colour,
                      bool transparent_corner = false);

// The window's pixels as they are on the screen now.
wxImage Capture(wxWindow* window);
wxColour PixelAt(const wxImage& image, int x, int y);
// What the window's Render-style drawing gives in a bitmap of its size.
template <typename Control>
wxImage RenderToImage(Control* control);

// Real pointer actions through the toolkit's input simulator.
void MoveTo(wxWindow* window, const wxPoint& client_point);
void MoveOutside(wxWindow* window);
void Press();
void Release();

// A pane painting a picture, inside a shown frame.
class PicturePanel : public wxPanel {
 public:
  PicturePanel(wxWindow* parent, const wxBitmap& picture);
  const wxBitmap& GetPicture() const { return picture_; }

 private:
  wxBitmap picture_;
};

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Shows the frame and waits until it is on the screen.
  void ShowAndWait();

  wxFrame* frame_ = nullptr;
  PicturePanel* panel_ = nullptr;  // 400 x 300, PositionPicture
};

}  // namespace controls_test

#include <wx/dcmemory.h>

namespace controls_test {
template <typename Control>
wxImage RenderToImage(Control* control) {
  wxBitmap bitmap(control->GetSize());
  {
    wxMemoryDC dc(bitmap);
    control->Render(dc);
  }
  return bitmap.ConvertToImage();
}
}  // namespace controls_test

#endif
