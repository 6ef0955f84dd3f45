// Every skinned control in its looks on the theme's window picture, read
// back from the screen.  TARNLY_WRITE_GALLERY=1 writes the picture to
// docs/controls-gallery.png in the source tree; otherwise to a scratch
// folder.
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>

#include <wx/app.h>
#include <wx/uiaction.h>

#include "common/image_util.h"
#include "gui/controls_fixture.h"
#include "gui/controls_gallery.h"
#include "support/temp_home.h"
#include "window/base/dh_bitmap_button.h"
#include "window/base/dh_hyper_link_ctrl.h"
#include "window/base/dh_static_bitmap.h"
#include "window/base/dh_static_text.h"
#include "window/base/dh_word_button.h"
#include "window/base/face_config.h"
#include "window/base/xy_grid.h"
#include "window/base/zq_grid_cell_renderer.h"
#include "window/base/zq_piece_window.h"

namespace controls_test {
namespace {

class GalleryTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    screen_ = ImageUtil::LoadThemeBitmap("image/screen1.png");
    ASSERT_TRUE(screen_.IsOk()) << "the staged theme has the window picture";
    panel_->Destroy();
    panel_ = new PicturePanel(frame_, screen_);
    frame_->SetClientSize(screen_.GetSize());
    wxTheApp->SetTopWindow(frame_);
    gallery_.reset(new ControlsGallery(panel_, screen_));
    ShowAndWait();
    // The real pointer stays off the frame: the looks come from the events
    // each button is sent.
    wxUIActionSimulator().MouseMove(frame_->GetScreenRect().GetBottomRight() + wxPoint(40, 40));
    Pump();
    gallery_->ApplyStates();
    Pump(300);
    shot_ = Capture(panel_);
  }

  // What the screen shows of `window` (a rectangle of the shot).
  wxImage Shown(wxWindow* window) const {
    const wxPoint at = window->GetScreenPosition() - panel_->GetScreenPosition();
    return shot_.GetSubImage(wxRect(at, window->GetSize()));
  }
  // The skin pixel under point (x, y) of `window`.
  wxColour SkinAt(wxWindow* window, int x, int y) const {
    const wxPoint at = window->GetScreenPosition() - panel_->GetScreenPosition();
    return PixelAt(screen_.ConvertToImage(), at.x + x, at.y + y);
  }

  wxBitmap screen_;
  std::unique_ptr<ControlsGallery> gallery_;
  wxImage shot_;
};

// Face key of a word button kind's cap and middle widths.
wxString SlicesKey(const wxString& kind) {
  if (kind == "small" || kind == "big") return "/face/base-button/" + kind + "-button-crop";
  return "/face/toolbar/" + kind + "-image";
}

// States 3 (released) and 4 (the pointer left) look normal; a button may
// have seen the pointer pass while the frame came up.
int Look(int state) {
  return state == DH_BUTTON_RELEASED || state == DH_BUTTON_LEFT ? DH_BUTTON_NORMAL : state;
}

wxImage ButtonRender(DhButtonBase* button) {
  if (auto* word = dynamic_cast<DhWordButton*>(button)) return RenderToImage(word);
  return RenderToImage(dynamic_cast<DhBitmapButton*>(button));
}

// Pixels of the two pictures (same size) that differ.
int Differing(const wxImage& a, const wxImage& b) {
  int count = 0;
  for (int y = 0; y < a.GetHeight(); ++y) {
    for (int x = 0; x < a.GetWidth(); ++x) count += PixelAt(a, x, y) != PixelAt(b, x, y);
  }
  return count;
}

TEST_F(GalleryTest, EachButtonHasItsPictureSizeAndShowsItsStatePicture) {
  for (const ButtonLooks& looks : gallery_->GetWordButtons()) {
    const FaceRect& slices = GetFaceRect(SlicesKey(looks.name));
    for (DhButtonBase* base : looks.buttons) {
      auto* button = static_cast<DhWordButton*>(base);
      const int caption = button->GetTextExtent(button->GetText()).x;
      EXPECT_EQ(button->GetSize(), wxSize(looks.picture.x - slices.width + caption,
                                          looks.picture.y))
          << looks.name << " " << button->GetText();
    }
  }
  for (const ButtonLooks& looks : gallery_->GetBitmapButtons()) {
    for (DhButtonBase* button : looks.buttons) EXPECT_EQ(button->GetSize(), looks.picture) << looks.name;
  }
  for (const std::vector<ButtonLooks>* kind :
       {&gallery_->GetWordButtons(), &gallery_->GetBitmapButtons()}) {
    for (const ButtonLooks& looks : *kind) {
      for (size_t i = 0; i < looks.buttons.size(); ++i) {
        DhButtonBase* button = looks.buttons[i];
        EXPECT_EQ(Look(button->GetState()), looks.states[i]) << looks.name << " #" << i;
        EXPECT_EQ(Differing(Shown(button), ButtonRender(button)), 0)
            << looks.name << " #" << i << " on the screen is what it paints for its state";
      }
    }
  }
}

TEST_F(GalleryTest, EveryLookOfAButtonLooksDifferent) {
  for (const std::vector<ButtonLooks>* kind :
       {&gallery_->GetWordButtons(), &gallery_->GetBitmapButtons()}) {
    for (const ButtonLooks& looks : *kind) {
      // The left part every look of the kind has, whatever the caption.
      const int left = kind == &gallery_->GetWordButtons() ? GetFaceRect(SlicesKey(looks.name)).x
                                                            : looks.picture.x;
      const wxRect part(0, 0, left, looks.picture.y);
      for (size_t i = 0; i < looks.buttons.size(); ++i) {
        for (size_t j = i + 1; j < looks.buttons.size(); ++j) {
          if (looks.states[i] == looks.states[j]) continue;
          EXPECT_GT(Differing(Shown(looks.buttons[i]).GetSubImage(part),
                              Shown(looks.buttons[j]).GetSubImage(part)),
                    0)
              << looks.name << ": state " << looks.states[i] << " and " << looks.states[j];
        }
      }
    }
  }
}

TEST_F(GalleryTest, ControlsStayInsideTheirPaneAndNeverOverlap) {
  for (ZqPieceWindow* pane : gallery_->GetPanes()) {
    const wxWindowList& children = pane->GetChildren();
    for (auto a = children.begin(); a != children.end(); ++a) {
      const wxRect rect = (*a)->GetRect();
      EXPECT_TRUE(wxRect(pane->GetClientSize()).Contains(rect))
          << (*a)->GetClassInfo()->GetClassName() << " at " << rect.x << "," << rect.y;
      for (auto b = std::next(a); b != children.end(); ++b) {
        EXPECT_FALSE(rect.Intersects((*b)->GetRect()))
            << (*a)->GetClassInfo()->GetClassName() << " at " << rect.x << "," << rect.y
            << " and " << (*b)->GetClassInfo()->GetClassName() << " at "
            << (*b)->GetPosition().x << "," << (*b)->GetPosition().y;
      }
    }
  }
}

TEST_F(GalleryTest, LabelsLinkAndLogoSitOnTheSkinWithoutABox) {
  for (DhStaticText* label : gallery_->GetLabels()) {
    const wxSize size = label->GetSize();
    EXPECT_EQ(PixelAt(Shown(label), 0, 0), SkinAt(label, 0, 0)) << label->GetLabel();
    EXPECT_EQ(PixelAt(Shown(label), size.x - 1, size.y - 1), SkinAt(label, size.x - 1, size.y - 1))
        << label->GetLabel();
  }
  DhHyperLinkCtrl* link = gallery_->GetLink();
  EXPECT_EQ(PixelAt(Shown(link), link->GetSize().x - 1, 0), SkinAt(link, link->GetSize().x - 1, 0));

  DhStaticBitmap* logo = gallery_->GetLogo();
  const wxImage picture = gallery_->GetLogoPicture().ConvertToImage();
  ASSERT_EQ(logo->GetSize(), picture.GetSize());
  ASSERT_TRUE(picture.HasAlpha());
  int clear = 0;
  int opaque = 0;
  const wxImage shown = Shown(logo);
  for (int y = 0; y < picture.GetHeight(); ++y) {
    for (int x = 0; x < picture.GetWidth(); ++x) {
      if (picture.GetAlpha(x, y) == 0) {
        ++clear;
        EXPECT_EQ(PixelAt(shown, x, y), SkinAt(logo, x, y)) << "skin around the logo " << x << "," << y;
      } else if (picture.GetAlpha(x, y) == 255) {
        ++opaque;
        EXPECT_EQ(PixelAt(shown, x, y), PixelAt(picture, x, y)) << "logo pixel " << x << "," << y;
      }
    }
  }
  EXPECT_GT(clear, 0);
  EXPECT_GT(opaque, 0);
}

TEST_F(GalleryTest, StatusCellsShowTheirBarAndEveryRowItsChooser) {
  XyGrid* grid = gallery_->GetGrid();
  const int column = gallery_->GetStatusColumn();
  const wxImage cells = Shown(grid->GetGridWindow());
  for (size_t row = 0; row < gallery_->GetStatusRows().size(); ++row) {
    const StatusRow& status = gallery_->GetStatusRows()[row];
    const wxRect cell = grid->CellToRect(row, column);
    const wxPoint at = grid->CalcScrolledPosition(cell.GetPosition());
    int bar = 0;
    for (int x = 0; x < cell.width; ++x) {
      const wxColour pixel = PixelAt(cells, at.x + x, at.y + cell.height - 3);
      bar += pixel == wxColour(252, 156, 0) || pixel == *wxBLACK;
    }
    EXPECT_EQ(bar, status.percent * cell.width / 100) << status.text;

    wxGridCellEditor* editor = grid->GetCellEditor(row, gallery_->GetOutputTypeColumn());
    ASSERT_NE(editor->GetControl(), nullptr) << "row " << row;
    EXPECT_TRUE(editor->GetControl()->IsShown()) << "row " << row;
    const wxRect type_cell = grid->CellToRect(row, gallery_->GetOutputTypeColumn());
    const wxRect chooser = editor->GetControl()->GetRect();
    EXPECT_TRUE(wxRect(grid->CalcScrolledPosition(type_cell.GetPosition()), type_cell.GetSize())
                    .Contains(chooser.GetPosition() + chooser.GetSize() / 2))
        << "row " << row << " chooser " << chooser.x << "," << chooser.y << " " << chooser.width
        << "x" << chooser.height << " cell " << type_cell.x << "," << type_cell.y;
    editor->DecRef();
  }
}

TEST_F(GalleryTest, WritesThePicture) {
  const char* write = std::getenv("TARNLY_WRITE_GALLERY");
  const std::string folder = write != nullptr && std::string(write) == "1"
                                 ? std::string(TARNLY_SOURCE_DIR) + "/docs"
                                 : testsupport::MakeScratchDir("gallery");
  EXPECT_TRUE(shot_.SaveFile(wxString::FromUTF8(folder + "/controls-gallery.png"),
                             wxBITMAP_TYPE_PNG));
}

}  // namespace
}  // namespace controls_test
