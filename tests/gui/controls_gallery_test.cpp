// Every skinned control in its states on the theme's window picture,
// captured from the screen.  TARNLY_WRITE_GALLERY=1 writes the picture to
// docs/controls-gallery.png in the source tree; otherwise to a scratch folder.
#include <cstdlib>

#include <wx/app.h>
#include <wx/settings.h>

#include "common/image_util.h"
#include "gui/controls_fixture.h"
#include "support/temp_home.h"
#include "window/base/dh_bitmap_button.h"
#include "window/base/dh_check_box.h"
#include "window/base/dh_hyper_link_ctrl.h"
#include "window/base/dh_radio_button.h"
#include "window/base/dh_radio_group.h"
#include "window/base/dh_static_text.h"
#include "window/base/dh_word_button.h"
#include "window/base/title_window.h"

namespace controls_test {
namespace {

using GalleryTest = ControlsTest;

DhWordButton* WordButton(wxWindow* parent, const wxBitmap& skin, const wxPoint& at,
                         const wxString& caption) {
  const FaceRect& slices = GetFaceRect("/face/base-button/big-button-crop");
  const FaceRect& colour = GetFaceRect("/face/base-button/big-button-crop/textcolour");
  auto* button = new DhWordButton(parent, wxID_ANY, at);
  button->SetBitmaps(ImageUtil::LoadThemeBitmap("image/base/big-normal.png"), slices.x,
                     slices.width, ImageUtil::LoadThemeBitmap("image/base/big-current.png"),
                     ImageUtil::LoadThemeBitmap("image/base/big-pressed.png"));
  button->SetBackgroundBitmap(skin, DhWordButton::kBackgroundPicture);
  button->SetForegroundColour(wxColour(colour.x & 0xff, colour.y & 0xff, colour.width & 0xff));
  button->SetTextTop(slices.y);
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold();
  button->SetText(caption, font);
  return button;
}

TEST_F(GalleryTest, EveryControlInEveryStateOnTheSkin) {
  const wxBitmap screen = ImageUtil::LoadThemeBitmap("image/screen1.png");
  ASSERT_TRUE(screen.IsOk()) << "the staged theme has the window picture";
  const wxSize size(std::min(screen.GetWidth(), 900), std::min(screen.GetHeight(), 640));
  const wxBitmap skin = screen.GetSubBitmap(wxRect(size));
  panel_->Destroy();
  panel_ = new PicturePanel(frame_, skin);
  frame_->SetClientSize(size);
  wxTheApp->SetTopWindow(frame_);
  const int title_height = GetFaceRect("/face/titlebar").height;
  new TitleWindow(new wxBitmap(skin.GetSubBitmap(wxRect(0, 0, size.x, title_height))), panel_,
                  2001, wxPoint(0, 0), wxSize(size.x, title_height));

  const char* captions[] = {"Normal", "Current", "Pressed", "Disabled"};
  std::vector<DhWordButton*> words;
  for (int i = 0; i < 4; ++i) {
    words.push_back(WordButton(panel_, skin, wxPoint(20 + 150 * i, 140), captions[i]));
  }
  std::vector<DhCheckBox*> boxes;
  for (int i = 0; i < 4; ++i) {
    auto* box = new DhCheckBox();
    box->Create(panel_, wxID_ANY, wxPoint(20 + 150 * i, 220));
    box->SetBackgroundBitmap(skin, false);
    box->SetCaption(i % 2 ? "Checked" : "Unchecked");
    box->SetValue(i % 2 == 1);
    if (i >= 2) box->Disable();
    boxes.push_back(box);
  }
  DhRadioGroup group;
  for (int i = 0; i < 3; ++i) {
    auto* radio = new DhRadioButton();
    radio->Create(panel_, wxID_ANY, ImageUtil::MakeRadioBitmap(panel_, false),
                  ImageUtil::MakeRadioBitmap(panel_, true), skin, wxPoint(20 + 150 * i, 260));
    radio->SetCaption(i == 0 ? "All pages" : i == 1 ? "Current page" : "Range", false);
    if (i == 1) radio->SetValue(true);
    group.Add(radio);
  }
  group.InitSelection();
  auto* label = new DhStaticText(panel_, wxID_ANY, "Static text on the skin", wxPoint(615, 506));
  label->SetBackground(&skin);
  auto* link = new DhHyperLinkCtrl(panel_, wxID_ANY, "A link on the skin",
                                   "https://corvane.example/", wxPoint(260, 300));
  link->SetBackground(&skin);

  ShowAndWait();
  MoveTo(words[1], wxPoint(10, 10));
  // Keep the current look while the pointer moves to press the next one.
  words[2]->Disable();
  words[2]->Enable();
  MoveTo(words[2], wxPoint(10, 10));
  Press();
  words[3]->Disable();
  Pump(200);
  const wxImage shot = Capture(panel_);
  EXPECT_EQ(words[2]->GetState(), DH_BUTTON_PRESSED);
  Release();

  const wxPoint corner = label->GetPosition();
  EXPECT_EQ(PixelAt(shot, corner.x, corner.y), PixelAt(skin.ConvertToImage(), corner.x, corner.y))
      << "no box behind the label";
  const wxRect mark = boxes[0]->GetRect();
  EXPECT_EQ(PixelAt(shot, mark.GetRight(), mark.GetBottom()),
            PixelAt(skin.ConvertToImage(), mark.GetRight(), mark.GetBottom()))
      << "no box behind the check box";

  const char* write = std::getenv("TARNLY_WRITE_GALLERY");
  const std::string folder = write != nullptr && std::string(write) == "1"
      ? std::string(TARNLY_SOURCE_DIR) + "/docs"
      : testsupport::MakeScratchDir("gallery");
  EXPECT_TRUE(shot.SaveFile(wxString::FromUTF8(folder + "/controls-gallery.png"),
                            wxBITMAP_TYPE_PNG));
}

}  // namespace
}  // namespace controls_test
