// The title bar: button and text placement from the face description,
// closing and minimising the top window, and dragging it.
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/uiaction.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include "common/app_util.h"
#include "common/image_util.h"
#include "gui/controls_fixture.h"
#include "support/temp_home.h"
#include "window/base/dh_bitmap_button.h"
#include "window/base/title_window.h"

namespace controls_test {
namespace {

class TitleWindowTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    saved_ = GetFaceTable();
    GetFaceTable()["/face/titlebar/logo"] = FaceRect{8, 6, 0, 0};
    GetFaceTable()["/face/titlebar/closebutton"] = FaceRect{-6, 0, 0, 0};
    GetFaceTable()["/face/titlebar/textcolour"] = FaceRect{255, 255, 255, 0};
    frame_->SetClientSize(700, 300);
    wxTheApp->SetTopWindow(frame_);
    title_ = new TitleWindow(new wxBitmap(PositionPicture(700, 36)), panel_, 2001, wxPoint(0, 0),
                             wxSize(700, 36));
  }
  void TearDown() override {
    ControlsTest::TearDown();
    GetFaceTable() = saved_;
  }
  FaceTable saved_;
  TitleWindow* title_ = nullptr;
};

TEST_F(TitleWindowTest, ButtonsSitAtTheRightEndAtTheLogoHeight) {
  const int close_width = ImageUtil::LoadThemeBitmap("image/base/close-normal.png").GetWidth();
  const int minimize_width =
      ImageUtil::LoadThemeBitmap("image/titlebar/minimize-normal.png").GetWidth();
  ASSERT_GT(close_width, 0) << "the staged theme has the close picture";
  // With a 27-pixel close picture: 700 - 6 - 27 = 667, and a 27-pixel
  // minimise picture left of it at 640.
  const int close_x = 700 - 6 - close_width;
  EXPECT_EQ(title_->GetCloseButton()->GetPosition(), wxPoint(close_x, 6));
  EXPECT_EQ(title_->GetMinimizeButton()->GetPosition(), wxPoint(close_x - minimize_width, 6));
  EXPECT_EQ(title_->GetCloseButton()->GetId(), 0);
  EXPECT_EQ(title_->GetMinimizeButton()->GetId(), 1);
  EXPECT_EQ(title_->GetBestSize(), wxSize(700, 36));

  // See-through pixels of the close picture show the bar's own piece.
  const wxImage picture =
      ImageUtil::LoadThemeBitmap("image/base/close-normal.png").ConvertToImage();
  ASSERT_TRUE(picture.HasAlpha());
  const wxImage shown = RenderToImage(title_->GetCloseButton());
  int see_through = 0;
  for (int y = 0; y < picture.GetHeight(); ++y) {
    for (int x = 0; x < picture.GetWidth(); ++x) {
      if (picture.GetAlpha(x, y) != 0) continue;
      ++see_through;
      ASSERT_EQ(PixelAt(shown, x, y), PositionColour(close_x + x, 6 + y)) << x << "," << y;
    }
  }
  EXPECT_GT(see_through, 0);
}

// A theme whose close and minimise pictures are 27 pixels wide: the close
// button goes to 700 - 6 - 27 = 667 and the minimise button left of it, 640.
TEST_F(TitleWindowTest, TwentySevenPixelButtonsSitAt667And640) {
  const std::string install = testsupport::MakeScratchDir("narrow-theme");
  wxFileName::Mkdir(wxString::FromUTF8(install + "/Themes"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  {
    wxFFileOutputStream file(wxString::FromUTF8(install + "/Themes/default.zip"));
    wxZipOutputStream zip(file);
    const wxImage picture(27, 18);
    for (const char* name : {"image/base/close", "image/titlebar/minimize"}) {
      for (const char* state : {"-normal.png", "-current.png", "-pressed.png"}) {
        zip.PutNextEntry(wxString(name) + state);
        picture.SaveFile(zip, wxBITMAP_TYPE_PNG);
      }
    }
  }
  const wxString staged = AppUtil::GetExecutablePath();
  AppUtil::SetExecutablePath(wxString::FromUTF8(install + "/bin/tarnly"));
  auto* narrow = new TitleWindow(new wxBitmap(PositionPicture(700, 36)), panel_, 2001,
                                 wxPoint(0, 40), wxSize(700, 36));
  AppUtil::SetExecutablePath(staged);
  EXPECT_EQ(narrow->GetCloseButton()->GetPosition(), wxPoint(667, 6));
  EXPECT_EQ(narrow->GetMinimizeButton()->GetPosition(), wxPoint(640, 6));
}

TEST_F(TitleWindowTest, LogoIsSixteenSquareAndTheTitleEndsOnItsBottom) {
  EXPECT_EQ(title_->GetLogo().GetSize(), wxSize(16, 16));
  // Logo at (8, 6) and a title 13 pixels high: the text goes to (34, 9).
  EXPECT_EQ(title_->GetTitleOrigin(13), wxPoint(34, 9));
  ShowAndWait();
  // The white title pixels lie right of x 34 and end by the logo's bottom.
  const wxImage shot = Capture(title_);
  wxRect text;
  for (int y = 0; y < 36; ++y) {
    for (int x = 30; x < 400; ++x) {
      if (PixelAt(shot, x, y) == *wxWHITE) text = text.IsEmpty() ? wxRect(x, y, 1, 1)
                                                                 : text.Union(wxRect(x, y, 1, 1));
    }
  }
  ASSERT_FALSE(text.IsEmpty()) << "the title is drawn";
  EXPECT_GE(text.GetLeft(), 34);
  EXPECT_LE(text.GetBottom(), 6 + 16 - 1);
  EXPECT_EQ(PixelAt(shot, 5, 30), PositionColour(5, 30)) << "the background piece";
}

TEST_F(TitleWindowTest, CloseButtonClosesTheTopWindowThroughItsOwnHandler) {
  int close_requests = 0;
  bool refuse = true;
  frame_->Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent& event) {
    ++close_requests;
    if (refuse && event.CanVeto()) {
      event.Veto();
    } else {
      event.Skip();
    }
  });
  ShowAndWait();
  MoveTo(title_->GetCloseButton(), wxPoint(4, 4));
  wxUIActionSimulator().MouseClick();
  Pump(150);
  EXPECT_EQ(close_requests, 1);
  EXPECT_TRUE(frame_->IsShown()) << "the frame refused";
}

TEST_F(TitleWindowTest, DraggingTheBarMovesTheWindowButDraggingAButtonDoesNot) {
  ShowAndWait();
  const wxPoint start = frame_->GetPosition();
  MoveTo(title_, wxPoint(200, 18));
  Press();
  MoveTo(title_, wxPoint(250, 48));
  Release();
  EXPECT_EQ(frame_->GetPosition(), start + wxPoint(50, 30));

  const wxPoint moved = frame_->GetPosition();
  MoveTo(title_->GetMinimizeButton(), wxPoint(3, 3));
  Press();
  MoveTo(title_->GetMinimizeButton(), wxPoint(60, 40));
  Release();
  EXPECT_EQ(frame_->GetPosition(), moved);
}

}  // namespace
}  // namespace controls_test
