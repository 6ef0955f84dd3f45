// The built default theme against what the program asks of it: every
// picture and every face key exists, every face rectangle fits the picture
// it cuts, the panes do not overlap, captions fit their buttons and read
// well, and the archive is packed reproducibly.
#include <gtest/gtest.h>

#include <wx/datetime.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/app_util.h"
#include "common/image_util.h"
#include "window/base/face_config.h"

namespace {

// Every archive entry the windows load.
const char* const kImages[] = {
    "image/screen1.png",
    "image/base/background.png",
    "application/application.png",
    "image/base/close-normal.png", "image/base/close-current.png", "image/base/close-pressed.png",
    "image/titlebar/minimize-normal.png", "image/titlebar/minimize-current.png",
    "image/titlebar/minimize-pressed.png",
    "image/base/big-normal.png", "image/base/big-current.png", "image/base/big-pressed.png",
    "image/base/small-normal.png", "image/base/small-current.png", "image/base/small-pressed.png",
    "image/toolbar/add-file-normal.png", "image/toolbar/add-file-current.png",
    "image/toolbar/add-file-pressed.png",
    "image/toolbar/add-folder-normal.png", "image/toolbar/add-folder-current.png",
    "image/toolbar/add-folder-pressed.png",
    "image/toolbar/delete-normal.png", "image/toolbar/delete-current.png",
    "image/toolbar/delete-pressed.png",
    "image/toolbar/clear-all-normal.png", "image/toolbar/clear-all-current.png",
    "image/toolbar/clear-all-pressed.png",
    "image/preview/firstpage-normal.png", "image/preview/firstpage-current.png",
    "image/preview/firstpage-pressed.png",
    "image/preview/prev-normal.png", "image/preview/prev-current.png",
    "image/preview/prev-pressed.png",
    "image/preview/nextpage-normal.png", "image/preview/nextpage-current.png",
    "image/preview/nextpage-pressed.png",
    "image/preview/lastpage-normal.png", "image/preview/lastpage-current.png",
    "image/preview/lastpage-pressed.png",
};

// Every face key the windows ask for.
const char* const kKeys[] = {
    "/face/titlebar", "/face/menubar", "/face/toolbar", "/face/outputwindow",
    "/face/preview-window", "/face/pagerange-window", "/face/selectwidow",
    "/face/selectwidow/guide", "/face/selectwidow/guide/text-colour",
    "/face/selectwidow/guide/title-font", "/face/selectwidow/guide/content-font",
    "/face/toolbar/add-file-image", "/face/toolbar/add-file-image/textcolour",
    "/face/toolbar/add-file-image/offsety", "/face/toolbar/add-folder-image",
    "/face/toolbar/add-folder-image/textcolour", "/face/toolbar/add-folder-image/offsety",
    "/face/toolbar/delete-image", "/face/toolbar/delete-image/textcolour",
    "/face/toolbar/delete-image/offsety", "/face/toolbar/clear-all-image",
    "/face/toolbar/clear-all-image/textcolour", "/face/toolbar/clear-all-image/offsety",
    "/face/toolbar/layout", "/face/toolbar/font", "/face/menu/text-normal-colour",
    "/face/menu/text-current-colour", "/face/outputwindow/output-description-font",
    "/face/outputwindow/start-button", "/face/outputwindow/textctrl",
    "/face/outputwindow/start-font", "/face/outputwindow/statictext",
    "/face/base-button/big-button-crop", "/face/base-button/big-button-crop/textcolour",
    "/face/base-button/small-button-crop", "/face/base-button/small-button-crop/textcolour",
    "/face/pagerange-window/title-font", "/face/pagerange-window/radio-font",
    "/face/pagerange-window/description-font", "/face/preview-window/preview",
    "/face/preview-window/control-region", "/face/titlebar/logo", "/face/titlebar/textcolour",
    "/face/titlebar/closebutton",
};

const FaceRect& Face(const char* key) {
  const FaceTable& table = GetFaceTable();
  const auto found = table.find(key);
  static const FaceRect kMissing;
  return found == table.end() ? kMissing : found->second;
}

wxColour FaceColour(const char* key) {
  const FaceRect& r = Face(key);
  return wxColour(r.x & 0xff, r.y & 0xff, r.width & 0xff);
}

wxBitmap Picture(const char* entry) { return ImageUtil::LoadThemeBitmap(entry); }

wxSize TextSize(const wxString& text, int points, bool bold) {
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetPointSize(points);
  if (bold) font.MakeBold();
  wxBitmap scratch(8, 8);
  wxMemoryDC dc(scratch);
  dc.SetFont(font);
  return dc.GetTextExtent(text);
}

// WCAG contrast ratio of two opaque colours.
double Contrast(const wxColour& a, const wxColour& b) {
  auto luminance = [](const wxColour& c) {
    auto channel = [](unsigned char v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.Red()) + 0.7152 * channel(c.Green()) + 0.0722 * channel(c.Blue());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

wxColour PixelOf(const wxImage& image, int x, int y) {
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

bool Inside(const wxRect& inner, const wxSize& outer) {
  return inner.x >= 0 && inner.y >= 0 && inner.width > 0 && inner.height > 0 &&
         inner.GetRight() < outer.x && inner.GetBottom() < outer.y;
}

TEST(Theme, HoldsEveryPictureTheProgramLoads) {
  for (const char* entry : kImages) {
    const wxBitmap picture = Picture(entry);
    EXPECT_TRUE(picture.IsOk()) << entry;
  }
}

TEST(Theme, FaceDefinesEveryKeyTheProgramAsksFor) {
  for (const char* key : kKeys)
    EXPECT_EQ(GetFaceTable().count(key), 1u) << "face.xml lacks " << key;
}

TEST(Theme, PicturesHaveTheirIntendedSizes) {
  const wxSize screen = Picture("image/screen1.png").GetSize();
  EXPECT_NEAR(screen.x, 900, 40);
  EXPECT_NEAR(screen.y, 620, 40);
  const wxSize logo = Picture("application/application.png").GetSize();
  EXPECT_GE(logo.x, 128);
  EXPECT_EQ(logo.x, logo.y);
  // Every button's three states share one size and look clearly different.
  for (size_t i = 3; i < sizeof(kImages) / sizeof(kImages[0]); i += 3) {
    const wxImage normal = Picture(kImages[i]).ConvertToImage();
    for (size_t other = i + 1; other < i + 3; ++other) {
      const wxImage state = Picture(kImages[other]).ConvertToImage();
      ASSERT_EQ(state.GetSize(), normal.GetSize()) << kImages[other];
      long difference = 0;
      const unsigned char* a = normal.GetData();
      const unsigned char* b = state.GetData();
      for (int p = 0; p < normal.GetWidth() * normal.GetHeight() * 3; ++p)
        difference += std::abs(int(a[p]) - int(b[p]));
      if (normal.HasAlpha() && state.HasAlpha())
        for (int p = 0; p < normal.GetWidth() * normal.GetHeight(); ++p)
          difference += std::abs(int(normal.GetAlpha()[p]) - int(state.GetAlpha()[p]));
      const double per_pixel = double(difference) / (normal.GetWidth() * normal.GetHeight());
      EXPECT_GT(per_pixel, 8.0) << kImages[other] << " hardly differs from " << kImages[i];
    }
  }
}

TEST(Theme, PaneRectanglesFitTheMainPictureWithoutOverlapping) {
  const wxSize screen = Picture("image/screen1.png").GetSize();
  const FaceRect& title = Face("/face/titlebar");
  const FaceRect& menu = Face("/face/menubar");
  const FaceRect& tool = Face("/face/toolbar");
  const FaceRect& output = Face("/face/outputwindow");
  std::map<std::string, wxRect> panes = {
      {"titlebar", wxRect(0, title.y, screen.x, title.height)},
      {"menubar", wxRect(menu.x, menu.y, screen.x - menu.x, menu.height)},
      {"toolbar", wxRect(tool.x, tool.y, tool.width, tool.height)},
      {"outputwindow", wxRect(0, output.y, screen.x, screen.y - output.y)},
  };
  for (const char* key : {"preview-window", "pagerange-window", "selectwidow"}) {
    const FaceRect& r = Face((std::string("/face/") + key).c_str());
    panes[key] = wxRect(r.x, r.y, r.width, r.height);
  }
  for (const auto& [name, rect] : panes) EXPECT_TRUE(Inside(rect, screen)) << name;
  for (auto a = panes.begin(); a != panes.end(); ++a)
    for (auto b = std::next(a); b != panes.end(); ++b)
      EXPECT_FALSE(a->second.Intersects(b->second)) << a->first << " overlaps " << b->first;
}

TEST(Theme, TitleBarHoldsLogoTitleAndWindowButtons) {
  const FaceRect& title = Face("/face/titlebar");
  const FaceRect& logo = Face("/face/titlebar/logo");
  const int width = Picture("image/screen1.png").GetWidth();
  const wxSize close = Picture("image/base/close-normal.png").GetSize();
  const wxSize minimise = Picture("image/titlebar/minimize-normal.png").GetSize();
  const int close_x = width + Face("/face/titlebar/closebutton").x - close.x;
  const int minimise_x = close_x - minimise.x;
  EXPECT_LE(close_x + close.x, width);
  EXPECT_LE(logo.y + 16, title.height);
  EXPECT_LE(logo.y + close.y, title.height);
  EXPECT_LE(logo.y + minimise.y, title.height);
  const wxSize text = TextSize(AppUtil::GetProductName(), 9, true);
  EXPECT_LT(logo.x + 16 + 10 + text.x, minimise_x);
  // The title's bottom sits on the logo's; its top must stay on the bar.
  EXPECT_GE(logo.y + 16 - text.y, 0) << "the title runs above the title bar";
  const wxImage strip = Picture("image/screen1.png").ConvertToImage();
  EXPECT_GE(Contrast(FaceColour("/face/titlebar/textcolour"),
                     PixelOf(strip, logo.x + 40, title.y + logo.y + 8)), 4.5);
}

TEST(Theme, MenuTitlesReadOnTheMenuBand) {
  const FaceRect& menu = Face("/face/menubar");
  const wxImage screen = Picture("image/screen1.png").ConvertToImage();
  const wxSize text = TextSize("Help", 10, false);
  EXPECT_LE(text.y, menu.height + 4) << "menu titles taller than their strip";
  const wxColour ground = PixelOf(screen, menu.x + 20, menu.y + text.y / 2);
  EXPECT_GE(Contrast(FaceColour("/face/menu/text-normal-colour"), ground), 4.5);
  EXPECT_GE(Contrast(FaceColour("/face/menu/text-current-colour"), ground), 4.5);
  EXPECT_NE(FaceColour("/face/menu/text-normal-colour"),
            FaceColour("/face/menu/text-current-colour"));
}

struct WordButton {
  const char* images;      // entry name before "-normal.png"
  const char* slices;      // face key of the caps
  const char* colour;      // caption colour key
  const char* offset;      // key whose y is the caption top
  const char* font;        // key whose height is the point size
  bool bold;
  const char* caption;
};

const WordButton kWordButtons[] = {
    {"image/toolbar/add-file", "/face/toolbar/add-file-image",
     "/face/toolbar/add-file-image/textcolour", "/face/toolbar/add-file-image/offsety",
     "/face/toolbar/font", true, "Add File"},
    {"image/toolbar/add-folder", "/face/toolbar/add-folder-image",
     "/face/toolbar/add-folder-image/textcolour", "/face/toolbar/add-folder-image/offsety",
     "/face/toolbar/font", true, "Add Folder"},
    {"image/toolbar/delete", "/face/toolbar/delete-image", "/face/toolbar/delete-image/textcolour",
     "/face/toolbar/delete-image/offsety", "/face/toolbar/font", true, "Delete"},
    {"image/toolbar/clear-all", "/face/toolbar/clear-all-image",
     "/face/toolbar/clear-all-image/textcolour", "/face/toolbar/clear-all-image/offsety",
     "/face/toolbar/font", true, "Clear All"},
    {"image/base/big", "/face/base-button/big-button-crop",
     "/face/base-button/big-button-crop/textcolour", "/face/base-button/big-button-crop",
     "/face/outputwindow/start-font", true, "Start "},
    {"image/base/small", "/face/base-button/small-button-crop",
     "/face/base-button/small-button-crop/textcolour", "/face/base-button/small-button-crop",
     "/face/outputwindow/output-description-font", true, "Browse"},
};

TEST(Theme, WordButtonSlicesAndCaptionsFitEveryState) {
  for (const WordButton& b : kWordButtons) {
    const FaceRect& slices = Face(b.slices);
    const wxSize text = TextSize(b.caption, Face(b.font).height, b.bold);
    for (const char* state : {"-normal.png", "-current.png", "-pressed.png"}) {
      const std::string entry = std::string(b.images) + state;
      const wxImage image = Picture(entry.c_str()).ConvertToImage();
      ASSERT_TRUE(image.IsOk()) << entry;
      EXPECT_GT(slices.x, 0) << entry;
      EXPECT_GT(slices.width, 0) << entry;
      EXPECT_LT(slices.x + slices.width, image.GetWidth()) << entry << ": no right cap left";
      const int top = Face(b.offset).y;
      EXPECT_GE(top, 2) << entry;
      EXPECT_LE(top + text.y, image.GetHeight() - 2) << entry << ": caption runs off the bottom";
      // The caption is centred on the middle part within two pixels.
      EXPECT_LE(std::abs(top + text.y / 2 - image.GetHeight() / 2), 3) << entry;
      const wxColour middle = PixelOf(image, slices.x + slices.width / 2, top + text.y / 2);
      EXPECT_GE(Contrast(FaceColour(b.colour), middle), 4.5) << entry << ": caption contrast";
    }
  }
}

TEST(Theme, ToolButtonsFitTheToolBarWithTheirCaptions) {
  const FaceRect& bar = Face("/face/toolbar");
  const FaceRect& layout = Face("/face/toolbar/layout");
  int x = layout.x;
  for (int i = 0; i < 4; ++i) {
    const WordButton& b = kWordButtons[i];
    const wxImage image = Picture((std::string(b.images) + "-normal.png").c_str()).ConvertToImage();
    const FaceRect& slices = Face(b.slices);
    const int right_cap = image.GetWidth() - slices.x - slices.width;
    EXPECT_LE(image.GetHeight(), bar.height) << b.images;
    x += slices.x + TextSize(b.caption, Face(b.font).height, true).x + right_cap + layout.width;
  }
  EXPECT_LE(x, bar.width) << "the four tool buttons do not fit";
  // The guide's icon is cut out of the add-file picture from x 4 to the cap.
  EXPECT_GT(Face("/face/toolbar/add-file-image").x, 4);
}

TEST(Theme, PreviewAreaIsA4AndTheNavigationRowFitsBelowIt) {
  const FaceRect& pane = Face("/face/preview-window");
  const FaceRect& area = Face("/face/preview-window/preview");
  const FaceRect& row = Face("/face/preview-window/control-region");
  EXPECT_TRUE(Inside(wxRect(area.x, area.y, area.width, area.height),
                     wxSize(pane.width, pane.height)));
  EXPECT_NEAR(double(area.height) / area.width, std::sqrt(2.0), 0.01);

  const wxSize first = Picture("image/preview/firstpage-normal.png").GetSize();
  const wxSize prev = Picture("image/preview/prev-normal.png").GetSize();
  const wxSize next = Picture("image/preview/nextpage-normal.png").GetSize();
  const wxSize last = Picture("image/preview/lastpage-normal.png").GetSize();
  const int gap = row.width;
  const int field_x = row.x + first.x + gap + prev.x + gap;
  const int label_x = field_x + 41;
  const int next_x = label_x + TextSize("/9999", 9, false).x + gap;
  const int last_x = pane.width - gap - last.x;
  EXPECT_GE(row.y, area.y + area.height) << "navigation row overlaps the page";
  EXPECT_LE(row.y + std::max({first.y, prev.y, next.y, last.y, 20}), pane.height);
  EXPECT_LE(next_x + next.x, last_x) << "next and last buttons collide";
  // White page count label on the card.
  const wxImage screen = Picture("image/screen1.png").ConvertToImage();
  EXPECT_GE(Contrast(*wxWHITE, PixelOf(screen, pane.x + label_x + 4, pane.y + row.y + 6)), 4.5);
}

TEST(Theme, PageRangeGroupHoldsItsRowsAndDescription) {
  const FaceRect& pane = Face("/face/pagerange-window");
  const int title = TextSize("Page Range", Face("/face/pagerange-window/title-font").height,
                             false).y;
  const int radio = std::max(TextSize("All", Face("/face/pagerange-window/radio-font").height,
                                      false).y, 16);
  const wxSize description =
      TextSize("Enter page numbers and/or page ranges",
               Face("/face/pagerange-window/description-font").height, false);
  const int description_top = title + 4 + radio + 4 + 22 + 4;
  EXPECT_LE(description_top + 3 * description.y, pane.height);
  EXPECT_LE(14 + description.x, pane.width - 10);
}

TEST(Theme, OutputStripHoldsCaptionRadiosFieldAndStartButton) {
  const FaceRect& output = Face("/face/outputwindow");
  const int height = Picture("image/screen1.png").GetHeight() - output.y;
  const FaceRect& caption = Face("/face/outputwindow/statictext");
  const int th = TextSize("Output Folder", 9, false).y;
  const int radio = std::max(TextSize("Customize", 10, false).y, 16);
  const int bottom_row = caption.y + th + 18 + radio;
  EXPECT_LE(bottom_row + Face("/face/outputwindow/textctrl").height, height);
  EXPECT_LE(bottom_row + Picture("image/base/small-normal.png").GetHeight(), height);
  EXPECT_LE(Face("/face/outputwindow/start-button").y +
                Picture("image/base/big-normal.png").GetHeight(), height);
  EXPECT_GT(Face("/face/outputwindow/textctrl").height, 18);
}

TEST(Theme, GuideStartsInsideTheFileListAndReads) {
  const FaceRect& list = Face("/face/selectwidow");
  const FaceRect& guide = Face("/face/selectwidow/guide");
  EXPECT_GT(Face("/face/selectwidow/guide/title-font").height,
            Face("/face/selectwidow/guide/content-font").height);
  const wxSize title = TextSize("Getting Started",
                                Face("/face/selectwidow/guide/title-font").height, true);
  EXPECT_LT(guide.x + title.x, list.width);
  EXPECT_LT(guide.y + title.y + 200, list.height) << "no room for the three guide lines";
  const wxImage screen = Picture("image/screen1.png").ConvertToImage();
  EXPECT_GE(Contrast(FaceColour("/face/selectwidow/guide/text-colour"),
                     PixelOf(screen, list.x + guide.x + 60, list.y + guide.y + 80)), 4.5);
}

TEST(Theme, AboutBoxHasRoomForItsContent) {
  const wxSize box = Picture("image/base/background.png").GetSize();
  const wxSize close = Picture("image/base/close-normal.png").GetSize();
  const wxSize minimise = Picture("image/titlebar/minimize-normal.png").GetSize();
  EXPECT_GE(box.x, 300);
  EXPECT_GE(box.y, 240) << "link at y 190 and the Ok button 40 above the bottom";
  EXPECT_GT(box.x - close.x - 4 - 1 - minimise.x, 20 + TextSize("About", 10, true).x);
  // Title drawn in white at (20, 6) on the header.
  const wxImage image = Picture("image/base/background.png").ConvertToImage();
  EXPECT_GE(Contrast(*wxWHITE, PixelOf(image, 24, 12)), 4.5);
  // Version line drawn in black at y 120.
  EXPECT_GE(Contrast(*wxBLACK, PixelOf(image, box.x / 2, 126)), 4.5);
}

TEST(Theme, ArchiveIsPackedReproducibly) {
  wxFFileInputStream file(AppUtil::GetThemeArchive());
  ASSERT_TRUE(file.IsOk());
  wxZipInputStream zip(file);
  std::vector<std::string> names;
  const wxDateTime stamp(1, wxDateTime::Jan, 2024, 0, 0, 0);
  for (std::unique_ptr<wxZipEntry> entry(zip.GetNextEntry()); entry;
       entry.reset(zip.GetNextEntry())) {
    names.push_back(entry->GetName(wxPATH_UNIX).utf8_string());
    // Extras carry the build machine's access and change times.
    EXPECT_EQ(entry->GetLocalExtraLen(), 0u) << names.back();
    EXPECT_EQ(entry->GetExtraLen(), 0u) << names.back();
    // Zip stores local time; allow for the zone the build ran in.
    const wxTimeSpan skew = entry->GetDateTime().Subtract(stamp).Abs();
    EXPECT_LE(skew.GetHours(), 14) << names.back() << " carries a build time";
  }
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_EQ(names.size(), sizeof(kImages) / sizeof(kImages[0]))
      << "the archive holds pictures nobody loads, or lacks some";
}

}  // namespace
