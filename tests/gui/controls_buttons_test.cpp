// Skinned buttons: the composed word button, state pictures, the piece of
// the parent's picture, and the click rules driven by the real pointer.
#include <cstring>

#include <wx/settings.h>
#include <wx/uiaction.h>

#include "gui/controls_fixture.h"
#include "window/base/dh_bitmap_button.h"
#include "window/base/dh_word_button.h"

namespace controls_test {
namespace {

const wxColour kLeftCap(200, 0, 0);
const wxColour kMiddle(0, 200, 0);
const wxColour kRightCap(0, 0, 200);
const wxColour kCaption(255, 255, 255);

// A 60 x 24 three-part image: 8 red, 4 green, 48 blue.  With
// `transparent_corner` its top-left pixel is see-through.
wxBitmap ThreePartImage(bool transparent_corner = false, int brighten = 0) {
  wxImage image(60, 24);
  image.SetRGB(wxRect(0, 0, 8, 24), kLeftCap.Red() + brighten, brighten, brighten);
  image.SetRGB(wxRect(8, 0, 4, 24), brighten, kMiddle.Green() + brighten, brighten);
  image.SetRGB(wxRect(12, 0, 48, 24), brighten, brighten, kRightCap.Blue() + brighten);
  if (transparent_corner) {
    image.InitAlpha();
    image.SetAlpha(0, 0, wxIMAGE_ALPHA_TRANSPARENT);
  }
  return wxBitmap(image);
}

class WordButtonTest : public ControlsTest {
 protected:
  DhWordButton* MakeButton(const wxString& caption = "Start ", bool with_states = false) {
    auto* button = new DhWordButton();
    EXPECT_TRUE(button->Create(panel_, 4711, wxPoint(30, 40)));
    button->SetBitmaps(ThreePartImage(), 8, 4, with_states ? ThreePartImage(false, 40) : wxBitmap(),
                       with_states ? ThreePartImage(false, 20) : wxBitmap());
    button->SetBackgroundBitmap(panel_->GetPicture(), DhWordButton::kBackgroundPicture);
    button->SetForegroundColour(kCaption);
    button->SetTextTop(4);
    button->SetText(caption, wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    panel_->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
      clicks_.push_back(event.GetId());
    });
    return button;
  }

  std::vector<int> clicks_;
};

TEST_F(WordButtonTest, IsAsWideAsItsCapsAndCaptionWithTheCaptionAfterTheLeftCap) {
  DhWordButton* button = MakeButton();
  const int caption_width = button->GetTextExtent("Start ").x;
  // Left cap 8, caption, right cap 60 - 12 = 48 (96 for a 40-pixel caption).
  EXPECT_EQ(button->GetSize(), wxSize(8 + caption_width + 48, 24));
  EXPECT_EQ(button->GetTextOrigin(), wxPoint(8, 4));
  EXPECT_EQ(button->GetBestSize(), button->GetSize());

  const wxImage image = RenderToImage(button);
  const int right_start = 8 + caption_width;
  int caption_pixels = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < image.GetWidth(); ++x) {
      const wxColour pixel = PixelAt(image, x, y);
      const bool is_part = pixel == kLeftCap || pixel == kMiddle || pixel == kRightCap;
      if (x < 8) {
        ASSERT_EQ(pixel, kLeftCap) << "left cap at " << x << "," << y;
      } else if (x >= right_start) {
        ASSERT_EQ(pixel, kRightCap) << "right cap at " << x << "," << y;
      } else if (!is_part) {
        ++caption_pixels;
      }
    }
  }
  EXPECT_GT(caption_pixels, 20) << "the caption is drawn over the tiled middle part";
}

TEST_F(WordButtonTest, EmptyCaptionOrMissingImageStillGivesAUsableButton) {
  DhWordButton* empty = MakeButton("");
  EXPECT_EQ(empty->GetSize(), wxSize(8 + 48, 24));
  auto* bare = new DhWordButton(panel_, wxID_ANY, wxPoint(0, 0));
  bare->SetBitmaps(wxBitmap(), 8, 4, wxBitmap(), wxBitmap());
  bare->SetText("Stop", *wxNORMAL_FONT);
  EXPECT_EQ(bare->GetSize(), bare->GetTextExtent("Stop"));
  ShowAndWait();  // painting both must not fail
}

TEST_F(WordButtonTest, SeeThroughPartsShowThePieceOfTheParentPictureUnderTheButton) {
  auto* button = new DhWordButton(panel_, wxID_ANY, wxPoint(30, 40));
  button->SetBitmaps(ThreePartImage(true), 8, 4, wxBitmap(), wxBitmap());
  button->SetBackgroundBitmap(panel_->GetPicture(), DhWordButton::kBackgroundPicture);
  button->SetText("Go", *wxNORMAL_FONT);
  EXPECT_EQ(PixelAt(RenderToImage(button), 0, 0), PositionColour(30, 40));
  EXPECT_EQ(button->GetBackgroundCutRect(), button->GetRect());

  button->Move(50, 70);
  EXPECT_EQ(PixelAt(RenderToImage(button), 0, 0), PositionColour(50, 70));
  EXPECT_EQ(button->GetBackgroundCutRect(), wxRect(wxPoint(50, 70), button->GetSize()));

  button->Disable();
  EXPECT_EQ(PixelAt(RenderToImage(button), 0, 0), PositionColour(50, 70))
      << "the disabled look keeps see-through parts";
  button->Enable();

  // Mode 2 fills with the window's colour instead.
  button->SetBackgroundColour(wxColour(1, 2, 3));
  EXPECT_EQ(button->GetBackgroundMode(), DhWordButton::kBackgroundColour);
  EXPECT_EQ(PixelAt(RenderToImage(button), 0, 0), wxColour(1, 2, 3));
}

TEST_F(WordButtonTest, PressAndReleaseOverTheButtonSendsOneClickWithItsId) {
  DhWordButton* button = MakeButton("Start ", true);
  ShowAndWait();
  const wxPoint centre(button->GetSize().x / 2, 12);
  MoveTo(button, centre);
  EXPECT_EQ(button->GetState(), DH_BUTTON_CURRENT);
  EXPECT_EQ(PixelAt(Capture(button), 2, 2), wxColour(240, 40, 40)) << "current picture";
  Press();
  EXPECT_EQ(button->GetState(), DH_BUTTON_PRESSED);
  EXPECT_EQ(PixelAt(Capture(button), 2, 2), wxColour(220, 20, 20)) << "pressed picture";
  Release();
  EXPECT_EQ(button->GetState(), DH_BUTTON_RELEASED);
  EXPECT_EQ(clicks_, std::vector<int>{4711});
  MoveOutside(button);
  EXPECT_EQ(button->GetState(), DH_BUTTON_LEFT);
  EXPECT_EQ(PixelAt(Capture(button), 2, 2), kLeftCap) << "normal picture";
}

TEST_F(WordButtonTest, DoubleClickSendsOneClickPerRelease) {
  DhWordButton* button = MakeButton();
  ShowAndWait();
  MoveTo(button, wxPoint(10, 10));
  wxUIActionSimulator sim;
  sim.MouseDblClick();
  Pump(200);
  EXPECT_EQ(clicks_.size(), 2u);
}

TEST_F(WordButtonTest, LeavingWhilePressedSendsNothingEvenWhenComingBack) {
  DhWordButton* button = MakeButton();
  ShowAndWait();
  MoveTo(button, wxPoint(10, 10));
  Press();
  MoveOutside(button);
  EXPECT_EQ(button->GetState(), DH_BUTTON_LEFT);
  MoveTo(button, wxPoint(12, 10));
  EXPECT_EQ(button->GetState(), DH_BUTTON_CURRENT);
  Release();
  EXPECT_EQ(button->GetState(), DH_BUTTON_CURRENT);

  Press();
  MoveOutside(button);
  Release();
  EXPECT_TRUE(clicks_.empty());
}

TEST_F(WordButtonTest, DisabledButtonKeepsItsDisabledLookWhateverThePointerDoes) {
  DhWordButton* button = MakeButton();
  ShowAndWait();
  button->Disable();
  EXPECT_EQ(button->GetState(), DH_BUTTON_DISABLED);
  const wxImage disabled_look = ThreePartImage().ConvertToImage().ConvertToDisabled(100);
  const wxColour disabled = PixelAt(disabled_look, 2, 2);
  ASSERT_NE(disabled, kLeftCap);
  EXPECT_EQ(PixelAt(RenderToImage(button), 2, 2), disabled);
  MoveTo(button, wxPoint(10, 10));
  Press();
  MoveOutside(button);
  Release();
  EXPECT_EQ(button->GetState(), DH_BUTTON_DISABLED);
  EXPECT_TRUE(clicks_.empty());
  EXPECT_EQ(PixelAt(Capture(button), 2, 2), disabled);
  button->Enable();
  EXPECT_EQ(button->GetState(), DH_BUTTON_NORMAL);
  EXPECT_EQ(PixelAt(RenderToImage(button), 2, 2), kLeftCap);
}

TEST_F(WordButtonTest, LabelledBitmapCarriesTheCaption) {
  DhWordButton* button = MakeButton();
  const wxImage plain = RenderToImage(button);
  const wxImage labelled = button->GetLabelledBitmap().ConvertToImage();
  ASSERT_EQ(labelled.GetSize(), button->GetSize());
  EXPECT_EQ(memcmp(plain.GetData(), labelled.GetData(), plain.GetWidth() * plain.GetHeight() * 3),
            0);
}

class BitmapButtonTest : public ControlsTest {
 protected:
  DhBitmapButton* MakeButton(bool with_current) {
    auto* button = new DhBitmapButton(panel_, 7, wxPoint(100, 50), wxSize(27, 20));
    button->SetNormalBitmap(new wxBitmap(SolidPicture(27, 20, wxColour(0, 0, 160), true)))
        ->SetPressedBitmap(new wxBitmap(SolidPicture(27, 20, wxColour(0, 160, 0))));
    if (with_current) button->SetCurrentBitmap(new wxBitmap(SolidPicture(27, 20, *wxWHITE)));
    button->SetBackgroundBitmap(panel_->GetPicture().GetSubBitmap(button->GetRect()));
    panel_->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { clicks_.push_back(event.GetId()); });
    return button;
  }
  std::vector<int> clicks_;
};

TEST_F(BitmapButtonTest, ShowsOnePicturePerStateOverItsBackgroundPiece) {
  DhBitmapButton* button = MakeButton(true);
  ShowAndWait();
  wxImage shot = Capture(button);
  EXPECT_EQ(PixelAt(shot, 0, 0), PositionColour(100, 50)) << "see-through pixel";
  EXPECT_EQ(PixelAt(shot, 5, 5), wxColour(0, 0, 160));
  MoveTo(button, wxPoint(10, 10));
  EXPECT_EQ(PixelAt(Capture(button), 5, 5), *wxWHITE);
  Press();
  EXPECT_EQ(PixelAt(Capture(button), 5, 5), wxColour(0, 160, 0));
  Release();
  EXPECT_EQ(clicks_, std::vector<int>{7});
  button->Disable();
  EXPECT_EQ(PixelAt(Capture(button), 5, 5), wxColour(0, 0, 160)) << "no disabled picture given";
  MoveOutside(button);
  EXPECT_EQ(button->GetState(), DH_BUTTON_DISABLED);
}

TEST_F(BitmapButtonTest, HoverWithoutACurrentPictureDrawsARedFrame) {
  DhBitmapButton* button = MakeButton(false);
  ShowAndWait();
  MoveTo(button, wxPoint(10, 10));
  const wxImage shot = Capture(button);
  for (const wxPoint& p : {wxPoint(0, 0), wxPoint(26, 0), wxPoint(0, 19), wxPoint(26, 19),
                           wxPoint(13, 0), wxPoint(0, 10)}) {
    EXPECT_EQ(PixelAt(shot, p.x, p.y), *wxRED) << p.x << "," << p.y;
  }
  EXPECT_EQ(PixelAt(shot, 5, 5), wxColour(0, 0, 160));
  MoveOutside(button);
  EXPECT_EQ(PixelAt(Capture(button), 13, 0), wxColour(0, 0, 160));
}

TEST_F(BitmapButtonTest, PressLeaveAndReleaseOutsideSendsNothing) {
  DhBitmapButton* button = MakeButton(true);
  ShowAndWait();
  MoveTo(button, wxPoint(10, 10));
  Press();
  MoveOutside(button);
  MoveTo(button, wxPoint(10, 10));
  Release();
  Press();
  MoveOutside(button);
  Release();
  EXPECT_TRUE(clicks_.empty());
}

}  // namespace
}  // namespace controls_test
