// DhWindowMove: the grab point stays under the pointer while dragging.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

#include "gui/skin_base_test_util.h"
#include "window/base/dh_window_move.h"

namespace {

wxMouseEvent MouseEvent(wxEventType type, wxPoint client, bool left_down) {
  wxMouseEvent event(type);
  event.m_x = client.x;
  event.m_y = client.y;
  event.m_leftDown = left_down;
  return event;
}

// A borderless frame with a title strip at its client origin, the way the
// main window's title bar sits.
class WindowMoveTest : public testing::Test {
 protected:
  void SetUp() override {
    frame_ = new wxFrame(nullptr, wxID_ANY, "move", wxPoint(100, 100), wxSize(300, 200),
                         wxBORDER_NONE);
    strip_ = new wxPanel(frame_, wxID_ANY, wxPoint(0, 0), wxSize(300, 30));
    frame_->Show();
    ASSERT_TRUE(skintest::PumpUntil([&] {
      return frame_->IsShownOnScreen() && strip_->ClientToScreen(wxPoint(0, 0)) == wxPoint(100, 100);
    })) << "frame not placed at (100, 100)";
  }
  void TearDown() override {
    if (strip_->HasCapture()) strip_->ReleaseMouse();
    frame_->Hide();
    frame_->Destroy();
    skintest::Pump(2);
  }

  void Press(wxPoint client) {
    DhWindowMove::BeginMove(frame_, strip_, MouseEvent(wxEVT_LEFT_DOWN, client, true), offset_);
  }
  void Drag(wxPoint screen, bool left_down = true) {
    DhWindowMove::DoMove(frame_, strip_,
                         MouseEvent(wxEVT_MOTION, strip_->ScreenToClient(screen), left_down),
                         offset_);
  }
  void Release(wxPoint client) {
    DhWindowMove::EndMove(frame_, strip_, MouseEvent(wxEVT_LEFT_UP, client, false), offset_);
  }

  wxFrame* frame_ = nullptr;
  wxPanel* strip_ = nullptr;
  wxPoint offset_;
};

TEST_F(WindowMoveTest, KeepsTheGrabPointUnderThePointer) {
  Press(wxPoint(10, 5));
  EXPECT_EQ(offset_, wxPoint(10, 5));
  EXPECT_TRUE(strip_->HasCapture());
  const wxSize size = frame_->GetSize();
  Drag(wxPoint(300, 200));
  EXPECT_EQ(frame_->GetPosition(), wxPoint(290, 195));
  EXPECT_EQ(frame_->GetSize(), size);
  Release(wxPoint(10, 5));
  EXPECT_FALSE(strip_->HasCapture());
}

TEST_F(WindowMoveTest, MovesNothingWithoutTheButtonOrAfterTheRelease) {
  Press(wxPoint(10, 5));
  Drag(wxPoint(250, 250), false);
  EXPECT_EQ(frame_->GetPosition(), wxPoint(100, 100)) << "button up";
  Release(wxPoint(10, 5));
  Drag(wxPoint(250, 250));
  EXPECT_EQ(frame_->GetPosition(), wxPoint(100, 100)) << "after release";
  Release(wxPoint(0, 0));  // a release without capture does nothing
  EXPECT_FALSE(strip_->HasCapture());
}

TEST_F(WindowMoveTest, ASecondPressTakesANewGrabPoint) {
  Press(wxPoint(10, 5));
  Press(wxPoint(40, 20));
  EXPECT_EQ(offset_, wxPoint(40, 20));
  Drag(wxPoint(400, 300));
  EXPECT_EQ(frame_->GetPosition(), wxPoint(360, 280));
  Release(wxPoint(40, 20));
  EXPECT_FALSE(strip_->HasCapture()) << "one release ends the drag";
}

TEST_F(WindowMoveTest, ARealPointerDragMovesTheFrameByThePointerOffset) {
  strip_->Bind(wxEVT_LEFT_DOWN, [&](wxMouseEvent& e) {
    DhWindowMove::BeginMove(frame_, strip_, e, offset_);
  });
  strip_->Bind(wxEVT_MOTION, [&](wxMouseEvent& e) {
    DhWindowMove::DoMove(frame_, strip_, e, offset_);
  });
  strip_->Bind(wxEVT_LEFT_UP, [&](wxMouseEvent& e) {
    DhWindowMove::EndMove(frame_, strip_, e, offset_);
  });
  wxUIActionSimulator pointer;
  pointer.MouseMove(wxPoint(120, 110));
  skintest::Pump(5);
  pointer.MouseDown();
  skintest::Pump(5);
  for (int step = 1; step <= 5; ++step) {
    pointer.MouseMove(wxPoint(120 + step * 30, 110 + step * 14));
    skintest::Pump(3);
  }
  pointer.MouseUp();
  EXPECT_TRUE(skintest::PumpUntil([&] { return !strip_->HasCapture(); }))
      << "the release did not end the drag";
  EXPECT_EQ(frame_->GetPosition(), wxPoint(250, 170));
  // Motion after the release no longer drags.
  pointer.MouseMove(wxPoint(200, 190));
  skintest::Pump(5);
  EXPECT_EQ(frame_->GetPosition(), wxPoint(250, 170));
}

}  // namespace
