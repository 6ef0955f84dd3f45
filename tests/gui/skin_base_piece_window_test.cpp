// ZqPieceWindow: paints its background through a buffer on every paint and
// takes part in notifications; created by name like the toolkit's panes.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/image.h>

#include <memory>

#include "gui/skin_base_test_util.h"
#include "window/base/zq_piece_window.h"

namespace {

// Stripes and a gradient, so a shifted or scaled copy cannot pass.
wxBitmap* NewPatternBitmap(int width, int height) {
  wxImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.SetRGB(x, y, x % 2 ? 250 : x, (y * 8) % 256, x % 7 == 0 ? 30 : 160);
  return new wxBitmap(image);
}

class CountingPane : public ZqPieceWindow {
 public:
  using ZqPieceWindow::ZqPieceWindow;
  void Draw(wxDC& dc) override {
    ++draws_;
    ZqPieceWindow::Draw(dc);
  }
  void Update(CjxSubject* subject, void* payload) override {
    codes_.push_back(subject->GetCode());
    payloads_.push_back(payload);
  }
  int draws_ = 0;
  std::vector<int> codes_;
  std::vector<void*> payloads_;
};

class PieceWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    // A fresh spot per test, so a window of an earlier test that the X
    // server still shows cannot be read back by mistake.
    static int slot = 0;
    const wxPoint where(40 + (slot % 3) * 300, 40 + (slot / 3 % 6) * 100);
    ++slot;
    frame_ = new wxFrame(nullptr, wxID_ANY, "pane", where, wxSize(260, 60), wxBORDER_NONE);
    frame_->SetBackgroundColour(wxColour(10, 120, 10));
  }
  void TearDown() override {
    frame_->Hide();
    frame_->Destroy();
    skintest::Pump(2);
  }

  void ShowAndWaitForPaint(CountingPane* pane) {
    frame_->Show();
    ASSERT_TRUE(skintest::PumpUntil([&] { return frame_->IsShownOnScreen() && pane->draws_ > 0; }));
    skintest::Pump(5);
  }

  wxFrame* frame_ = nullptr;
};

int CountDifferingPixels(const wxImage& shot, const wxImage& expected) {
  int wrong = 0;
  for (int y = 0; y < expected.GetHeight(); ++y)
    for (int x = 0; x < expected.GetWidth(); ++x)
      if (shot.GetRed(x, y) != expected.GetRed(x, y) ||
          shot.GetGreen(x, y) != expected.GetGreen(x, y) ||
          shot.GetBlue(x, y) != expected.GetBlue(x, y))
        ++wrong;
  return wrong;
}

// The X server shows a paint a moment after it happened: read the screen
// until it matches or the wait runs out, then judge the last reading.
void ExpectShowsBackground(CountingPane* pane, const wxImage& expected) {
  int wrong = 0;
  skintest::PumpUntil([&] {
    wrong = CountDifferingPixels(skintest::CaptureClientArea(pane), expected);
    return wrong == 0;
  });
  EXPECT_EQ(wrong, 0) << "pixels differing from the background picture";
}

TEST_F(PieceWindowTest, PaintsExactlyItsBackgroundAtTheTopLeftOnEveryPaint) {
  wxBitmap* background = NewPatternBitmap(200, 30);
  const wxImage expected = background->ConvertToImage();
  auto* pane = new CountingPane(frame_, background, wxID_ANY, wxPoint(0, 0), wxSize(200, 30));
  EXPECT_EQ(pane->GetBackground(), background);
  EXPECT_EQ(pane->GetBackgroundStyle(), wxBG_STYLE_PAINT);
  ShowAndWaitForPaint(pane);
  ExpectShowsBackground(pane, expected);

  const int draws = pane->draws_;
  pane->Refresh();
  pane->wxWindow::Update();
  skintest::PumpUntil([&] { return pane->draws_ > draws; });
  EXPECT_GT(pane->draws_, draws);
  ExpectShowsBackground(pane, expected);
}

TEST_F(PieceWindowTest, AreaBeyondTheBackgroundShowsTheWindowColourNotNoise) {
  auto* pane = new CountingPane(frame_, NewPatternBitmap(100, 20), wxID_ANY, wxPoint(0, 0),
                                wxSize(160, 40));
  pane->SetBackgroundColour(wxColour(0, 0, 255));
  ShowAndWaitForPaint(pane);
  wxImage shot;
  skintest::PumpUntil([&] {
    shot = skintest::CaptureClientArea(pane);
    return shot.GetBlue(150, 35) == 255;
  });
  EXPECT_EQ(wxColour(shot.GetRed(150, 35), shot.GetGreen(150, 35), shot.GetBlue(150, 35)),
            wxColour(0, 0, 255));
  EXPECT_EQ(wxColour(shot.GetRed(1, 0), shot.GetGreen(1, 0), shot.GetBlue(1, 0)),
            wxColour(250, 0, 160));
}

TEST_F(PieceWindowTest, PanesNotifyEachOtherAndTheBaseIgnoresEveryCode) {
  auto* sender = new ZqPieceWindow(frame_, nullptr);
  auto* listener = new CountingPane(frame_, nullptr);
  auto* plain = new ZqPieceWindow(frame_, nullptr);
  sender->Attach(listener);
  sender->Attach(plain);  // the base handler must swallow codes harmlessly
  int page = 7;
  sender->Send(NOTIFY_PREVIEW_PAGE, &page);
  ASSERT_EQ(listener->codes_.size(), 1u);
  EXPECT_EQ(listener->codes_[0], NOTIFY_PREVIEW_PAGE);
  EXPECT_EQ(listener->payloads_[0], &page);
}

TEST(PieceWindowClass, IsCreatableByNameAndTwoStep) {
  std::unique_ptr<wxObject> object(wxCreateDynamicObject("ZqPieceWindow"));
  auto* pane = dynamic_cast<ZqPieceWindow*>(object.get());
  ASSERT_NE(pane, nullptr);
  EXPECT_EQ(pane->GetBackground(), nullptr);
  EXPECT_TRUE(pane->IsKindOf(wxCLASSINFO(wxPanel)));

  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "two step");
  auto* created = new ZqPieceWindow;
  wxBitmap* background = NewPatternBitmap(10, 10);
  ASSERT_TRUE(created->Create(frame, background, 2005));
  EXPECT_EQ(created->GetBackground(), background);
  EXPECT_EQ(created->GetId(), 2005);
  frame->Destroy();
  skintest::Pump(2);
}

}  // namespace
