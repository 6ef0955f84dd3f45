// Labels, pictures and links on a skin: the piece of the parent's picture
// behind them and their default colours.
#include "gui/controls_fixture.h"
#include "window/base/dh_hyper_link_ctrl.h"
#include "window/base/dh_static_bitmap.h"
#include "window/base/dh_static_text.h"

namespace controls_test {
namespace {

using StaticControlsTest = ControlsTest;

// What an erase paints behind `label`.
wxImage ErasedBackground(DhStaticText* label) {
  wxBitmap target(label->GetSize());
  {
    wxMemoryDC dc(target);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    label->PaintBackground(dc);
  }
  return target.ConvertToImage();
}

TEST_F(StaticControlsTest, LabelPaintsThePieceUnderItAndCutsAgainWhenMoved) {
  auto* label = new DhStaticText(panel_, wxID_ANY, "Pages", wxPoint(20, 10), wxSize(100, 16));
  label->SetBackground(&panel_->GetPicture());
  wxImage image = ErasedBackground(label);
  EXPECT_EQ(label->GetBackgroundCutRect(), wxRect(20, 10, 100, 16));
  EXPECT_EQ(PixelAt(image, 0, 0), PositionColour(20, 10));
  EXPECT_EQ(PixelAt(image, 99, 15), PositionColour(119, 25));

  label->Move(30, 10);
  image = ErasedBackground(label);
  EXPECT_EQ(label->GetBackgroundCutRect(), wxRect(30, 10, 100, 16));
  EXPECT_EQ(PixelAt(image, 0, 0), PositionColour(30, 10));
}

TEST_F(StaticControlsTest, LabelPastThePictureEdgeShowsOnlyWhatExists) {
  auto* label = new DhStaticText(panel_, wxID_ANY, "Edge", wxPoint(350, 10), wxSize(100, 16));
  label->SetBackground(&panel_->GetPicture());
  const wxImage image = ErasedBackground(label);
  EXPECT_EQ(PixelAt(image, 49, 5), PositionColour(399, 15));
  EXPECT_EQ(PixelAt(image, 50, 5), *wxWHITE) << "nothing beyond the 400-pixel picture";
}

TEST_F(StaticControlsTest, NewLabelWritesWhiteAndShowsNoBoxOnTheSkin) {
  auto* label = new DhStaticText(panel_, wxID_ANY, "Output folder", wxPoint(20, 40));
  EXPECT_EQ(label->GetForegroundColour(), *wxWHITE);
  EXPECT_TRUE(label->HasTransparentBackground());
  label->SetBackground(&panel_->GetPicture());
  ShowAndWait();
  // Every pixel of the label is either the skin under it or (light) text.
  const wxImage shot = Capture(label);
  const wxPoint at = label->GetPosition();
  int skin = 0;
  for (int y = 0; y < shot.GetHeight(); ++y) {
    for (int x = 0; x < shot.GetWidth(); ++x) {
      const wxColour pixel = PixelAt(shot, x, y);
      if (pixel == PositionColour(at.x + x, at.y + y)) {
        ++skin;
      } else {
        ASSERT_GE(pixel.Green(), PositionColour(at.x + x, at.y + y).Green())
            << "text is lighter than the skin at " << x << "," << y;
      }
    }
  }
  EXPECT_GT(skin, shot.GetWidth() * shot.GetHeight() / 2);
}

TEST_F(StaticControlsTest, PictureAndLinkShowTheSkinAroundThem) {
  auto* picture = new DhStaticBitmap(panel_, wxID_ANY, SolidPicture(8, 8, *wxBLUE),
                                     wxPoint(40, 100), wxSize(20, 20));
  picture->SetBackground(&panel_->GetPicture());
  auto* link = new DhHyperLinkCtrl(panel_, wxID_ANY, "corvane.example", "https://corvane.example/",
                                   wxPoint(40, 150));
  link->SetBackground(&panel_->GetPicture());
  ShowAndWait();
  const wxImage picture_shot = Capture(picture);
  EXPECT_EQ(PixelAt(picture_shot, 0, 0), PositionColour(40, 100));
  EXPECT_EQ(PixelAt(picture_shot, 10, 10), *wxBLUE);
  const wxImage link_shot = Capture(link);
  const wxPoint last(link_shot.GetWidth() - 1, link_shot.GetHeight() - 1);
  EXPECT_EQ(PixelAt(link_shot, last.x, 0), PositionColour(40 + last.x, 150));
  EXPECT_EQ(PixelAt(link_shot, last.x, last.y), PositionColour(40 + last.x, 150 + last.y));
}

TEST_F(StaticControlsTest, ControlWithoutPicturePaintsNoBackground) {
  auto* label = new DhStaticText(panel_, wxID_ANY, "x", wxPoint(0, 0), wxSize(10, 10));
  EXPECT_EQ(PixelAt(ErasedBackground(label), 5, 5), *wxWHITE);
}

}  // namespace
}  // namespace controls_test
