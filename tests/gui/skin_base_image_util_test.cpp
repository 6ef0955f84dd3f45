// ImageUtil: theme entries, cutting with the face check message, mask to
// alpha and the platform radio picture.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/renderer.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include <memory>
#include <string>

#include "common/app_util.h"
#include "common/image_util.h"
#include "gui/skin_base_test_util.h"
#include "support/temp_home.h"

namespace {

// A bitmap whose pixel (x, y) has red x, green y and blue 200.
wxBitmap GradientBitmap(int width, int height) {
  wxImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.SetRGB(x, y, x, y, 200);
  return wxBitmap(image);
}

wxString FaceCheckText(int x, int y, int width, int height, int max_width, int max_height) {
  return wxString::Format(
      " face config is wrong. x=%d,y=%d,width=%d,height=%d; \nMax width is %d,Max height is "
      "%d.\n(x+width) must <= Max width AND (y+height) must <= Max height",
      x, y, width, height, max_width, max_height);
}

// Dismisses the face check message after checking its text and style.
class ExpectFaceCheck : public wxExpectModalBase<wxMessageDialog, ExpectFaceCheck> {
 public:
  explicit ExpectFaceCheck(const wxString& text) : text_(text) {}

 protected:
  int OnInvoked(wxMessageDialog* dialog) const override {
    EXPECT_EQ(dialog->GetMessage(), text_);
    EXPECT_EQ(dialog->GetTitle(), wxString(wxMessageBoxCaptionStr));
    EXPECT_TRUE(dialog->GetMessageDialogStyle() & wxOK);
    EXPECT_FALSE(dialog->GetMessageDialogStyle() & wxCANCEL);
    return wxID_OK;
  }

 private:
  wxString text_;
};

wxColour PixelAt(const wxBitmap& bitmap, int x, int y) {
  const wxImage image = bitmap.ConvertToImage();
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

struct CropCase {
  const char* what;
  bool valid_source;
  int x, y, width, height;
  bool message;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CropCase& c, std::ostream* out) { *out << c.what; }

class CropMessageTest : public testing::TestWithParam<CropCase> {};

TEST_P(CropMessageTest, ShowsTheFaceCheckMessageExactlyWhenTheRectangleDoesNotFit) {
  const CropCase& c = GetParam();
  const wxBitmap source = c.valid_source ? GradientBitmap(100, 20) : wxBitmap();
  const int max_width = c.valid_source ? 100 : 0;
  const int max_height = c.valid_source ? 20 : 0;
  wxBitmap by_value;
  std::unique_ptr<wxBitmap> on_heap;
  if (c.message) {
    const wxString text = FaceCheckText(c.x, c.y, c.width, c.height, max_width, max_height);
    wxTEST_DIALOG(by_value = ImageUtil::CropBitmap(source, c.x, c.y, c.width, c.height),
                  ExpectFaceCheck(text));
    wxTEST_DIALOG(on_heap.reset(ImageUtil::NewCroppedBitmap(source, c.x, c.y, c.width, c.height)),
                  ExpectFaceCheck(text));
  } else {
    SkinTestModalHook no_dialog_expected;
    by_value = ImageUtil::CropBitmap(source, c.x, c.y, c.width, c.height);
    on_heap.reset(ImageUtil::NewCroppedBitmap(source, c.x, c.y, c.width, c.height));
  }
  // Both forms go on and hand back a copy of the asked size.
  ASSERT_TRUE(by_value.IsOk()) << c.what;
  EXPECT_EQ(by_value.GetSize(), wxSize(c.width, c.height)) << c.what;
  ASSERT_TRUE(on_heap) << c.what;
  EXPECT_EQ(on_heap->GetSize(), wxSize(c.width, c.height)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CropMessageTest,
    testing::Values(CropCase{"exact fit", true, 0, 0, 100, 20, false},
                    CropCase{"one pixel too far right", true, 1, 0, 100, 20, true},
                    CropCase{"one pixel too low", true, 0, 1, 100, 20, true},
                    CropCase{"invalid source", false, 0, 0, 10, 5, true},
                    CropCase{"negative x is not checked", true, -5, 0, 10, 20, false}),
    [](const testing::TestParamInfo<CropCase>& info) {
      std::string name;
      for (const char* c = info.param.what; *c != '\0'; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
      return name;
    });

TEST(ImageUtilCrop, CopiesTheSourcePixelsAndLeavesUncoveredPartsBlack) {
  const wxBitmap source = GradientBitmap(100, 20);
  SkinTestModalHook no_dialog_expected;
  const wxBitmap inside = ImageUtil::CropBitmap(source, 30, 4, 10, 6);
  EXPECT_EQ(PixelAt(inside, 0, 0), wxColour(30, 4, 200));
  EXPECT_EQ(PixelAt(inside, 9, 5), wxColour(39, 9, 200));

  const wxBitmap shifted = ImageUtil::CropBitmap(source, -5, 0, 10, 20);
  EXPECT_EQ(PixelAt(shifted, 4, 3), *wxBLACK);
  EXPECT_EQ(PixelAt(shifted, 5, 3), wxColour(0, 3, 200));
  EXPECT_FALSE(shifted.HasAlpha());
}

TEST(ImageUtilCrop, NewCroppedBitmapGoesOnWithThePartlyFilledCopyAfterTheMessage) {
  const wxBitmap source = GradientBitmap(100, 20);
  std::unique_ptr<wxBitmap> copy;
  wxTEST_DIALOG(copy.reset(ImageUtil::NewCroppedBitmap(source, 90, 10, 20, 20)),
                ExpectFaceCheck(FaceCheckText(90, 10, 20, 20, 100, 20)));
  ASSERT_TRUE(copy);
  EXPECT_EQ(PixelAt(*copy, 0, 0), wxColour(90, 10, 200));
  EXPECT_EQ(PixelAt(*copy, 9, 9), wxColour(99, 19, 200));
  EXPECT_EQ(PixelAt(*copy, 10, 0), *wxBLACK);   // beyond the right edge
  EXPECT_EQ(PixelAt(*copy, 0, 10), *wxBLACK);   // beyond the bottom
}

TEST(ImageUtilCrop, BlendsAlphaOverBlackAndDropsMaskedPixels) {
  wxImage translucent(4, 1);
  translucent.SetRGB(wxRect(0, 0, 4, 1), 200, 100, 50);
  translucent.SetAlpha();
  const unsigned char alpha[] = {255, 0, 128, 255};
  for (int x = 0; x < 4; ++x) translucent.SetAlpha(x, 0, alpha[x]);
  SkinTestModalHook no_dialog_expected;
  const wxBitmap blended = ImageUtil::CropBitmap(wxBitmap(translucent), 0, 0, 4, 1);
  EXPECT_FALSE(blended.HasAlpha());
  EXPECT_EQ(PixelAt(blended, 0, 0), wxColour(200, 100, 50));
  EXPECT_EQ(PixelAt(blended, 1, 0), *wxBLACK);
  EXPECT_NEAR(PixelAt(blended, 2, 0).Red(), 100, 2);

  wxImage masked(2, 1);
  masked.SetRGB(0, 0, 255, 0, 255);
  masked.SetRGB(1, 0, 10, 20, 30);
  masked.SetMaskColour(255, 0, 255);
  const wxBitmap unmasked = ImageUtil::CropBitmap(wxBitmap(masked), 0, 0, 2, 1);
  EXPECT_EQ(PixelAt(unmasked, 0, 0), *wxBLACK);
  EXPECT_EQ(PixelAt(unmasked, 1, 0), wxColour(10, 20, 30));
  EXPECT_FALSE(unmasked.GetMask());
}

TEST(ImageUtilMaskToAlpha, MagentaBecomesTransparentAndEverythingElseOpaque) {
  wxImage image(3, 2);
  const wxColour colours[] = {{255, 0, 255}, {255, 0, 254}, {0, 0, 0},
                              {255, 0, 255}, {10, 200, 30}, {255, 255, 255}};
  for (int i = 0; i < 6; ++i)
    image.SetRGB(i % 3, i / 3, colours[i].Red(), colours[i].Green(), colours[i].Blue());
  image.SetMaskColour(255, 0, 255);

  ImageUtil::MaskToAlpha(image);

  ASSERT_TRUE(image.HasAlpha());
  EXPECT_FALSE(image.HasMask());
  for (int i = 0; i < 6; ++i) {
    const bool magenta = colours[i] == wxColour(255, 0, 255);
    EXPECT_EQ(image.GetAlpha(i % 3, i / 3), magenta ? 0 : 255) << "pixel " << i;
    EXPECT_EQ(image.GetRed(i % 3, i / 3), colours[i].Red()) << "colour kept, pixel " << i;
    EXPECT_EQ(image.GetGreen(i % 3, i / 3), colours[i].Green()) << "colour kept, pixel " << i;
  }
}

TEST(ImageUtilRadio, DrawsThePlatformRadioOnATransparentGround) {
  wxFrame frame(nullptr, wxID_ANY, "radio");
  const wxSize size = wxRendererNative::Get().GetCheckBoxSize(&frame);
  const wxImage off = ImageUtil::MakeRadioBitmap(&frame, false).ConvertToImage();
  const wxImage on = ImageUtil::MakeRadioBitmap(&frame, true).ConvertToImage();
  ASSERT_TRUE(off.IsOk());
  ASSERT_TRUE(on.IsOk());
  EXPECT_EQ(off.GetSize(), size);
  ASSERT_TRUE(off.HasAlpha());
  // The corners lie outside the round mark; something is drawn inside.
  EXPECT_EQ(off.GetAlpha(0, 0), 0);
  EXPECT_EQ(off.GetAlpha(size.x - 1, size.y - 1), 0);
  int drawn = 0;
  int differing = 0;
  for (int y = 0; y < size.y; ++y) {
    for (int x = 0; x < size.x; ++x) {
      if (off.GetAlpha(x, y) > 0) ++drawn;
      if (off.GetAlpha(x, y) != on.GetAlpha(x, y) || off.GetRed(x, y) != on.GetRed(x, y) ||
          off.GetGreen(x, y) != on.GetGreen(x, y))
        ++differing;
    }
  }
  EXPECT_GT(drawn, size.x);
  EXPECT_GT(differing, 0) << "selected and unselected radios look the same";
}

// A staged installation whose archive holds one broken entry and lacks the
// rest; the loaders must answer with invalid bitmaps and show nothing.
class ImageUtilBrokenThemeTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_exe_ = AppUtil::GetExecutablePath();
    const std::string install = testsupport::MakeScratchDir("broken-theme");
    wxFileName::Mkdir(wxString::FromUTF8(install + "/bin"), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    wxFileName::Mkdir(wxString::FromUTF8(install + "/Themes"), wxS_DIR_DEFAULT,
                      wxPATH_MKDIR_FULL);
    wxFFileOutputStream file(wxString::FromUTF8(install + "/Themes/default.zip"));
    wxZipOutputStream zip(file);
    zip.PutNextEntry("image/screen1.png");
    zip.Write("not a png at all", 16);
    zip.Close();
    file.Close();
    AppUtil::SetExecutablePath(wxString::FromUTF8(install + "/bin/tarnly"));
  }
  void TearDown() override { AppUtil::SetExecutablePath(saved_exe_); }

 private:
  wxString saved_exe_;
};

TEST_F(ImageUtilBrokenThemeTest, MissingOrUndecodableEntriesGiveInvalidBitmapsQuietly) {
  SkinTestModalHook no_dialog_expected;
  for (const char* entry : {"image/base/close-normal.png", "image/screen1.png"}) {
    EXPECT_FALSE(ImageUtil::LoadThemeBitmap(entry).IsOk()) << entry;
    std::unique_ptr<wxBitmap> heap(ImageUtil::NewThemeBitmap(entry));
    EXPECT_FALSE(heap) << entry;
  }
}

TEST(ImageUtilTheme, LoadsAnEntryOfTheBuiltArchiveWithItsAlpha) {
  const wxBitmap logo = ImageUtil::LoadThemeBitmap("application/application.png");
  ASSERT_TRUE(logo.IsOk());
  EXPECT_TRUE(logo.HasAlpha());
  std::unique_ptr<wxBitmap> screen(ImageUtil::NewThemeBitmap("image/screen1.png"));
  ASSERT_TRUE(screen);
  EXPECT_GT(screen->GetWidth(), 0);
}

}  // namespace
