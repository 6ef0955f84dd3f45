// Skinned check box and radio buttons: mark placement through the native
// renderer, toggling with the real pointer, the disabled look, and radio
// selections that an owner may refuse.
#include "gui/controls_fixture.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/renderer.h>
#include <wx/uiaction.h>

#include "window/base/dh_check_box.h"
#include "window/base/dh_radio_button.h"
#include "window/base/dh_radio_group.h"

namespace controls_test {
namespace {

// The platform renderer with a fixed 13 x 13 check mark that remembers how
// it was last asked to draw one.
class RecordingRenderer : public wxDelegateRendererNative {
 public:
  wxSize GetCheckBoxSize(wxWindow*, int) override { return wxSize(13, 13); }
  void DrawCheckBox(wxWindow* win, wxDC& dc, const wxRect& rect, int flags) override {
    last_rect = rect;
    last_flags = flags;
    wxDelegateRendererNative::DrawCheckBox(win, dc, rect, flags);
  }
  wxRect last_rect;
  int last_flags = -1;
};

class CheckBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    // The first Get() initialises the global renderer and would drop one set
    // before it.
    wxRendererNative::Get();
    renderer_ = new RecordingRenderer;
    previous_ = wxRendererNative::Set(renderer_);  // the toolkit owns it until restored
    box_ = new DhCheckBox();
    ASSERT_TRUE(box_->Create(panel_, 31, wxPoint(20, 60)));
    box_->SetBackgroundBitmap(panel_->GetPicture(), false);
    box_->SetCaption("Save to source folder");
    panel_->Bind(DH_EVT_CHECK_TOGGLED, [this](wxCommandEvent& e) {
      values_.push_back(e.GetInt());
      ids_.push_back(e.GetId());
    });
  }
  void TearDown() override {
    ControlsTest::TearDown();
    delete wxRendererNative::Set(previous_);
  }
  // The darkest caption pixel: black-ish when enabled, grey when disabled.
  int DarkestCaptionLevel() {
    const wxImage image = RenderToImage(box_);
    const wxPoint origin = box_->GetCaptionOrigin();
    int darkest = 255;
    for (int y = 0; y < image.GetHeight(); ++y) {
      for (int x = origin.x; x < image.GetWidth(); ++x) {
        const int level = std::max({image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)});
        darkest = std::min(darkest, level);
      }
    }
    return darkest;
  }

  RecordingRenderer* renderer_ = nullptr;
  wxRendererNative* previous_ = nullptr;
  DhCheckBox* box_ = nullptr;
  std::vector<int> values_;
  std::vector<int> ids_;
};

TEST_F(CheckBoxTest, MarkIsCentredVerticallyAndCaptionFollowsTheGap) {
  const wxSize caption = box_->GetTextExtent("Save to source folder");
  EXPECT_EQ(box_->GetSize(), wxSize(13 + 6 + caption.x, std::max(13, caption.y)));
  box_->SetSize(box_->GetSize().x, 20);
  RenderToImage(box_);
  EXPECT_EQ(renderer_->last_rect, wxRect(0, 3, 13, 13));  // |20 - 13| / 2 = 3
  EXPECT_EQ(box_->GetCaptionOrigin(), wxPoint(19, (20 - caption.y) / 2));
}

TEST_F(CheckBoxTest, EachClickTogglesAndReportsTheNewValue) {
  ShowAndWait();
  MoveTo(box_, wxPoint(5, 5));
  Press();
  EXPECT_TRUE(values_.empty()) << "nothing before the release";
  Release();
  EXPECT_TRUE(box_->GetValue());
  EXPECT_EQ(box_->GetState(), DhCheckBox::kChecked);
  EXPECT_EQ(renderer_->last_flags, wxCONTROL_CHECKED);
  Press();
  Release();
  EXPECT_FALSE(box_->GetValue());
  EXPECT_EQ(values_, (std::vector<int>{1, 0}));
  EXPECT_EQ(ids_, (std::vector<int>{31, 31}));
  // A press dragged off the box and released elsewhere does not toggle.
  Press();
  MoveOutside(box_);
  Release();
  EXPECT_EQ(values_.size(), 2u);
}

TEST_F(CheckBoxTest, DisabledBoxShowsTheDisabledMarkAndAGreyCaption) {
  const int enabled_level = DarkestCaptionLevel();
  box_->SetValue(true);
  box_->Disable();
  EXPECT_EQ(box_->GetState(), DhCheckBox::kDisabledChecked);
  const int disabled_level = DarkestCaptionLevel();
  EXPECT_EQ(renderer_->last_flags, wxCONTROL_CHECKED | wxCONTROL_DISABLED);
  EXPECT_LT(enabled_level, 60);
  EXPECT_GE(disabled_level, 90);
  ShowAndWait();
  MoveTo(box_, wxPoint(5, 5));
  Press();
  Release();
  EXPECT_TRUE(values_.empty());
  box_->Enable();
  EXPECT_EQ(box_->GetState(), DhCheckBox::kChecked);
  RenderToImage(box_);
  EXPECT_EQ(renderer_->last_flags, wxCONTROL_CHECKED);
}

TEST_F(CheckBoxTest, PaintsThePieceOfTheParentPictureUnderIt) {
  const wxImage image = RenderToImage(box_);
  const wxPoint last(image.GetWidth() - 1, image.GetHeight() - 1);
  EXPECT_EQ(PixelAt(image, last.x, last.y), PositionColour(20 + last.x, 60 + last.y));
}

class RadioTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    for (int i = 0; i < 3; ++i) {
      auto* button = new DhRadioButton();
      ASSERT_TRUE(button->Create(panel_, 50 + i, SolidPicture(16, 16, wxColour(10, 10, 10)),
                                 SolidPicture(16, 16, wxColour(250, 250, 0)),
                                 panel_->GetPicture(), wxPoint(20, 20 + 30 * i)));
      button->SetCaption(wxString::Format("Choice %d", i), false);
      buttons_.push_back(button);
    }
    panel_->Bind(DH_EVT_RADIO_SELECTED, [this](wxCommandEvent& e) {
      events_.push_back(e.GetInt());
      if (refuse_) e.Skip();
    });
  }
  void Group(int initially_selected) {
    if (initially_selected >= 0) buttons_[initially_selected]->SetValue(true);
    for (DhRadioButton* button : buttons_) group_.Add(button);
    group_.InitSelection();
  }
  void Click(int index) {
    MoveTo(buttons_[index], wxPoint(4, 4));
    Press();
    Release();
  }
  std::vector<bool> Values() const {
    std::vector<bool> values;
    for (DhRadioButton* button : buttons_) values.push_back(button->GetValue());
    return values;
  }
  // The colour of the picture as the screen shows it.
  wxColour Shown(int index) { return PixelAt(Capture(buttons_[index]), 8, 8); }

  std::vector<DhRadioButton*> buttons_;
  DhRadioGroup group_;
  std::vector<int> events_;
  bool refuse_ = false;
};

TEST_F(RadioTest, HandledClickMovesTheSelectionAndRepaintsBoth) {
  Group(0);
  ShowAndWait();
  EXPECT_EQ(Shown(0), wxColour(250, 250, 0));
  Click(0);
  EXPECT_TRUE(events_.empty()) << "clicking the selected button sends nothing";
  Click(2);
  EXPECT_EQ(events_, std::vector<int>{2});
  EXPECT_EQ(Values(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(group_.GetSelection(), 2);
  EXPECT_EQ(Shown(0), wxColour(10, 10, 10));
  EXPECT_EQ(Shown(2), wxColour(250, 250, 0));
  EXPECT_EQ(group_.FindById(51), buttons_[1]);
  EXPECT_EQ(group_.FindById(99), nullptr);
}

TEST_F(RadioTest, RefusedSelectionChangesNothing) {
  Group(1);
  ShowAndWait();
  refuse_ = true;
  Click(0);
  EXPECT_EQ(events_, std::vector<int>{0});
  EXPECT_EQ(Values(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(group_.GetSelectedButton(), buttons_[1]);
  EXPECT_EQ(Shown(0), wxColour(10, 10, 10));
}

TEST_F(RadioTest, GroupWithoutSelectionGetsOneAtTheFirstHandledClick) {
  Group(-1);
  EXPECT_EQ(group_.GetSelection(), -1);
  ShowAndWait();
  Click(1);
  Click(2);
  EXPECT_EQ(Values(), (std::vector<bool>{false, false, true}));
  buttons_[0]->SetValue(true);
  buttons_[0]->SetValue(false);  // a group keeps its one selection
  EXPECT_EQ(Values(), (std::vector<bool>{true, false, false}));
}

TEST_F(RadioTest, PictureSizedLayoutCentresTheCaptionOverThePicture) {
  auto* button = new DhRadioButton();
  const int caption_width = panel_->GetTextExtent("All").x;
  // A 30-pixel caption over a 48-pixel picture starts at 9.
  const wxBitmap picture = SolidPicture(caption_width + 18, 30, wxColour(0, 90, 0));
  ASSERT_TRUE(button->Create(panel_, wxID_ANY, picture, picture, panel_->GetPicture(),
                             wxPoint(200, 100)));
  button->SetCaptionTop(7);
  button->SetForegroundColour(*wxWHITE);
  button->SetCaption("All", true);
  EXPECT_EQ(button->GetSize(), picture.GetSize());
  EXPECT_EQ(button->GetCaptionOrigin(), wxPoint(9, 7));
  const wxImage image = RenderToImage(button);
  for (int y = 0; y < image.GetHeight(); ++y) {
    for (int x = 0; x < 9; ++x) ASSERT_EQ(PixelAt(image, x, y), wxColour(0, 90, 0));
  }
}

TEST_F(RadioTest, CaptionBesideThePictureSizesTheControl) {
  const wxSize caption = buttons_[0]->GetTextExtent("Choice 0");
  EXPECT_EQ(buttons_[0]->GetSize(), wxSize(caption.x + 6 + 16, std::max(caption.y, 16)));
  EXPECT_EQ(buttons_[0]->GetCaptionOrigin().x, 22);
}

}  // namespace
}  // namespace controls_test
