// Lays the theme out for review.  Writes two pictures:
//   theme-review.png  the main window picture with every face rectangle
//                     outlined and named, and every button in its three
//                     states with a caption, as the program composes them;
//   skin-frame.png    a real shaped frame built of panes cut out of the main
//                     window picture, with captions and buttons drawn where
//                     the panes put them, read back from the screen.
// Usage (needs an X display, Xvfb will do):
//   theme_review <staged installation folder> <output folder>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/filesys.h>
#include <wx/frame.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "common/app_util.h"
#include "common/image_util.h"
#include "window/base/face_config.h"
#include "window/base/gtk/screen_grabber.h"
#include "window/base/gtk/window_shape.h"
#include "window/base/zq_piece_window.h"

namespace {

class ReviewApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

wxColour FaceColour(const char* key) {
  const FaceRect& r = GetFaceRect(key);
  return wxColour(r.x & 0xff, r.y & 0xff, r.width & 0xff);
}

wxFont GuiFont(int points, bool bold, wxFontWeight weight = wxFONTWEIGHT_NORMAL) {
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetPointSize(points);
  font.SetWeight(bold ? wxFONTWEIGHT_BOLD : weight);
  return font;
}

wxBitmap Load(const wxString& entry) { return ImageUtil::LoadThemeBitmap(entry); }

// A word button the way the program composes it: left cap, the middle part
// tiled under the caption, right cap, caption at the cap's edge.
wxBitmap ComposeWordButton(const wxBitmap& image, int left, int middle, const wxString& caption,
                           const wxFont& font, const wxColour& colour, int top) {
  if (!image.IsOk()) return wxBitmap();
  const int height = image.GetHeight();
  const int right = image.GetWidth() - left - middle;
  const wxBitmap left_cap = ImageUtil::CropBitmap(image, 0, 0, left, height);
  const wxBitmap middle_part = ImageUtil::CropBitmap(image, left, 0, middle, height);
  const wxBitmap right_cap = ImageUtil::CropBitmap(image, left + middle, 0, right, height);
  wxBitmap result(8, 8);
  int text_width = 0;
  {
    wxMemoryDC measure(result);
    measure.SetFont(font);
    text_width = measure.GetTextExtent(caption).x;
  }
  result = wxBitmap(left + text_width + right, height);
  wxMemoryDC dc(result);
  dc.DrawBitmap(left_cap, 0, 0);
  for (int x = 0; x < text_width; x += middle)
    dc.DrawBitmap(middle_part, left + x, 0);
  dc.DrawBitmap(right_cap, left + text_width, 0);
  dc.SetFont(font);
  dc.SetTextForeground(colour);
  dc.DrawText(caption, left, top);
  dc.SelectObject(wxNullBitmap);
  return result;
}

struct ToolButton {
  const char* name;
  const char* caption;
};
const ToolButton kToolButtons[] = {
    {"add-file", "Add File"}, {"add-folder", "Add Folder"}, {"delete", "Delete"},
    {"clear-all", "Clear All"}};
const char* const kStates[] = {"normal", "current", "pressed"};

wxBitmap ToolButtonPicture(const ToolButton& button, const char* state) {
  const wxString key = wxString("/face/toolbar/") + button.name + "-image";
  const FaceRect& slices = GetFaceRect(key);
  const FaceRect& font = GetFaceRect("/face/toolbar/font");
  return ComposeWordButton(
      Load(wxString::Format("image/toolbar/%s-%s.png", button.name, state)), slices.x,
      slices.width, button.caption, GuiFont(font.height, font.x != 0),
      FaceColour((key + "/textcolour").utf8_string().c_str()),
      GetFaceRect(key + "/offsety").y);
}

wxBitmap BaseButtonPicture(const char* kind, const char* state, const wxString& caption) {
  const wxString key = wxString("/face/base-button/") + kind + "-button-crop";
  const FaceRect& slices = GetFaceRect(key);
  const int points = wxString(kind) == "big"
                         ? GetFaceRect("/face/outputwindow/start-font").height
                         : GetFaceRect("/face/outputwindow/output-description-font").height;
  return ComposeWordButton(Load(wxString::Format("image/base/%s-%s.png", kind, state)),
                           slices.x, slices.width, caption, GuiFont(points, true),
                           FaceColour((key + "/textcolour").utf8_string().c_str()), slices.y);
}

// ---------------------------------------------------------------------------
// theme-review.png

void DrawLabel(wxDC& dc, const wxString& text, int x, int y) {
  dc.SetFont(GuiFont(9, false));
  dc.SetTextForeground(wxColour(60, 70, 90));
  dc.DrawText(text, x, y);
}

void OutlineRect(wxDC& dc, const wxRect& rect, const wxColour& colour, const wxString& name) {
  dc.SetPen(wxPen(colour, 2, wxPENSTYLE_SHORT_DASH));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(rect);
  dc.SetFont(GuiFont(8, true));
  const wxSize text = dc.GetTextExtent(name);
  dc.SetBrush(wxBrush(colour));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(rect.x, rect.y, text.x + 6, text.y + 2);
  dc.SetTextForeground(*wxWHITE);
  dc.DrawText(name, rect.x + 3, rect.y + 1);
}

void DrawPieceOutlines(wxDC& dc, const wxPoint& at, const wxSize& screen) {
  struct Piece {
    const char* name;
    wxRect rect;
    wxColour colour;
  };
  const FaceRect& title = GetFaceRect("/face/titlebar");
  const FaceRect& menu = GetFaceRect("/face/menubar");
  const FaceRect& tool = GetFaceRect("/face/toolbar");
  const FaceRect& output = GetFaceRect("/face/outputwindow");
  const FaceRect& preview = GetFaceRect("/face/preview-window");
  const FaceRect& range = GetFaceRect("/face/pagerange-window");
  const FaceRect& list = GetFaceRect("/face/selectwidow");
  const FaceRect& area = GetFaceRect("/face/preview-window/preview");
  const FaceRect& row = GetFaceRect("/face/preview-window/control-region");
  const FaceRect& guide = GetFaceRect("/face/selectwidow/guide");
  const Piece pieces[] = {
      {"titlebar", wxRect(0, title.y, screen.x, title.height), wxColour(230, 70, 70)},
      {"menubar", wxRect(menu.x, menu.y, screen.x - menu.x, menu.height), wxColour(240, 150, 30)},
      {"toolbar", wxRect(tool.x, tool.y, tool.width, tool.height), wxColour(200, 160, 0)},
      {"selectwidow", wxRect(list.x, list.y, list.width, list.height), wxColour(40, 170, 90)},
      {"pagerange-window", wxRect(range.x, range.y, range.width, range.height),
       wxColour(150, 80, 210)},
      {"preview-window", wxRect(preview.x, preview.y, preview.width, preview.height),
       wxColour(30, 150, 220)},
      {"preview", wxRect(preview.x + area.x, preview.y + area.y, area.width, area.height),
       wxColour(0, 200, 200)},
      {"control-region", wxRect(preview.x + row.x, preview.y + row.y, preview.width - 2 * row.x, 22),
       wxColour(255, 110, 180)},
      {"guide", wxRect(list.x + guide.x, list.y + guide.y, 200, 28), wxColour(40, 170, 90)},
      {"outputwindow", wxRect(0, output.y, screen.x, screen.y - output.y), wxColour(230, 70, 70)},
  };
  for (const Piece& piece : pieces)
    OutlineRect(dc, wxRect(piece.rect.GetPosition() + at, piece.rect.GetSize()), piece.colour,
                piece.name);
}

void WriteReview(const wxString& path) {
  const wxBitmap screen = Load("image/screen1.png");
  const wxSize size(1420, 1060);
  wxBitmap canvas(size);
  wxMemoryDC dc(canvas);
  dc.SetBackground(wxBrush(wxColour(250, 251, 252)));
  dc.Clear();

  const wxPoint at(20, 40);
  DrawLabel(dc, "image/screen1.png with the face rectangles", at.x, 14);
  dc.DrawBitmap(screen, at, true);
  DrawPieceOutlines(dc, at, screen.GetSize());

  // Button states, one row per button.
  const int column = at.x + screen.GetWidth() + 40;
  int y = 40;
  DrawLabel(dc, "normal / current / pressed", column, 14);
  for (const ToolButton& button : kToolButtons) {
    int x = column;
    for (const char* state : kStates) {
      const wxBitmap picture = ToolButtonPicture(button, state);
      dc.DrawBitmap(picture, x, y, true);
      x += picture.GetWidth() + 12;
    }
    y += 56;
  }
  for (const char* kind : {"big", "small"}) {
    int x = column;
    for (const char* state : kStates) {
      const wxBitmap picture =
          BaseButtonPicture(kind, state, wxString(kind) == "big" ? "Start " : "Browse");
      dc.DrawBitmap(picture, x, y, true);
      x += picture.GetWidth() + 12;
    }
    y += wxString(kind) == "big" ? 52 : 36;
  }
  // Window buttons on the header colour, navigation buttons on the card.
  const wxImage screen_image = screen.ConvertToImage();
  const wxColour header(screen_image.GetRed(400, 18), screen_image.GetGreen(400, 18),
                        screen_image.GetBlue(400, 18));
  const FaceRect& preview = GetFaceRect("/face/preview-window");
  const wxColour card(screen_image.GetRed(preview.x + 20, preview.y + 100),
                      screen_image.GetGreen(preview.x + 20, preview.y + 100),
                      screen_image.GetBlue(preview.x + 20, preview.y + 100));
  struct Row {
    const char* pattern;
    wxColour ground;
  };
  const Row rows[] = {{"image/titlebar/minimize-%s.png", header},
                      {"image/base/close-%s.png", header},
                      {"image/preview/firstpage-%s.png", card},
                      {"image/preview/prev-%s.png", card},
                      {"image/preview/nextpage-%s.png", card},
                      {"image/preview/lastpage-%s.png", card}};
  for (const Row& row : rows) {
    dc.SetBrush(wxBrush(row.ground));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(column - 6, y - 5, 3 * 48 + 6, 32);
    int x = column;
    for (const char* state : kStates) {
      dc.DrawBitmap(Load(wxString::Format(row.pattern, state)), x, y, true);
      x += 48;
    }
    DrawLabel(dc, wxString(row.pattern).BeforeLast('-').AfterLast('/'), x + 10, y + 2);
    y += 36;
  }

  // The logo at the sizes the program shows it, and the about box.
  const int lower = at.y + screen.GetHeight() + 30;
  DrawLabel(dc, "application/application.png at 128, 80, 32 and 16", at.x, lower);
  const wxImage logo = Load("application/application.png").ConvertToImage();
  int x = at.x;
  for (int side : {128, 80, 32, 16}) {
    dc.DrawBitmap(wxBitmap(logo.Scale(side, side, wxIMAGE_QUALITY_HIGH)), x, lower + 24, true);
    x += side + 24;
  }
  const wxBitmap about = Load("image/base/background.png");
  const wxPoint box(at.x + 400, lower + 24);
  DrawLabel(dc, "image/base/background.png with its buttons, logo and Ok button", box.x, lower);
  dc.DrawBitmap(about, box, true);
  const wxBitmap close = Load("image/base/close-normal.png");
  const wxBitmap minimise = Load("image/titlebar/minimize-normal.png");
  const int close_x = about.GetWidth() - close.GetWidth() - 4;
  dc.DrawBitmap(close, box.x + close_x, box.y + 2, true);
  dc.DrawBitmap(minimise, box.x + close_x - minimise.GetWidth() - 1, box.y + 2, true);
  dc.DrawBitmap(wxBitmap(logo.Scale(80, 80, wxIMAGE_QUALITY_HIGH)),
                box.x + (about.GetWidth() - 80) / 2, box.y + 36, true);
  dc.SetFont(GuiFont(10, true));
  dc.SetTextForeground(*wxWHITE);
  dc.DrawText("About", box.x + 20, box.y + 6);
  dc.SetFont(GuiFont(9, false));
  dc.SetTextForeground(*wxBLACK);
  const wxString version = AppUtil::GetProductName() + " " + AppUtil::GetVersion();
  dc.DrawText(version, box.x + (about.GetWidth() - dc.GetTextExtent(version).x) / 2, box.y + 120);
  const wxSize ok_size = dc.GetTextExtent("Ok") + wxSize(16, 8);
  wxRendererNative::Get().DrawPushButton(
      nullptr, dc,
      wxRect(box.x + about.GetWidth() - ok_size.x - 20, box.y + about.GetHeight() - ok_size.y - 40,
             ok_size.x, ok_size.y));
  dc.DrawText("Ok", box.x + about.GetWidth() - ok_size.x - 12,
              box.y + about.GetHeight() - ok_size.y - 36);

  dc.SelectObject(wxNullBitmap);
  canvas.SaveFile(path, wxBITMAP_TYPE_PNG);
}

// ---------------------------------------------------------------------------
// skin-frame.png

// A pane of the review frame: its piece of the picture plus what the real
// pane draws on top, done here with plain drawing.
class ReviewPane : public ZqPieceWindow {
 public:
  ReviewPane(wxWindow* parent, wxBitmap* background, const wxPoint& pos,
             std::function<void(wxDC&)> extras)
      : ZqPieceWindow(parent, background, wxID_ANY, pos, background->GetSize()),
        extras_(std::move(extras)) {}
  void Draw(wxDC& dc) override {
    ZqPieceWindow::Draw(dc);
    if (extras_) extras_(dc);
  }

 private:
  std::function<void(wxDC&)> extras_;
};

void DrawRadio(wxDC& dc, wxWindow* window, const wxString& label, const wxFont& font,
               const wxPoint& at, bool selected) {
  const wxBitmap mark = ImageUtil::MakeRadioBitmap(window, selected);
  dc.SetFont(font);
  const wxSize text = dc.GetTextExtent(label);
  const int height = std::max(text.y, mark.GetHeight());
  dc.DrawBitmap(mark, at.x, at.y + (height - mark.GetHeight()) / 2, true);
  dc.DrawText(label, at.x + mark.GetWidth() + 6, at.y + (height - text.y) / 2);
}

void DrawField(wxDC& dc, const wxRect& rect, const wxString& text) {
  dc.SetPen(wxPen(wxColour(184, 194, 211)));
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(rect);
  dc.SetTextForeground(wxColour(34, 48, 74));
  dc.DrawText(text, rect.x + 5, rect.y + (rect.height - dc.GetTextExtent(text).y) / 2);
}

void DrawTitleExtras(wxDC& dc, int width) {
  const FaceRect& logo = GetFaceRect("/face/titlebar/logo");
  const wxImage image = Load("application/application.png").ConvertToImage();
  dc.DrawBitmap(wxBitmap(image.Scale(16, 16)), logo.x, logo.y, true);
  dc.SetFont(GuiFont(9, true));
  dc.SetTextForeground(FaceColour("/face/titlebar/textcolour"));
  const wxString title = AppUtil::GetProductName();
  dc.DrawText(title, logo.x + 26, logo.y + 16 - dc.GetTextExtent(title).y);
  const wxBitmap close = Load("image/base/close-normal.png");
  const wxBitmap minimise = Load("image/titlebar/minimize-current.png");
  const int close_x = width + GetFaceRect("/face/titlebar/closebutton").x - close.GetWidth();
  dc.DrawBitmap(close, close_x, logo.y, true);
  dc.DrawBitmap(minimise, close_x - minimise.GetWidth(), logo.y, true);
}

void DrawMenuExtras(wxDC& dc) {
  dc.SetFont(GuiFont(10, false));
  int x = 0;
  for (const char* title : {"File", "Edit", "Help"}) {
    const bool hovered = wxString(title) == "Edit";
    dc.SetTextForeground(FaceColour(hovered ? "/face/menu/text-current-colour"
                                            : "/face/menu/text-normal-colour"));
    dc.DrawText(title, x, 0);
    x += dc.GetTextExtent(title).x + 16;
  }
}

void DrawToolExtras(wxDC& dc) {
  const FaceRect& layout = GetFaceRect("/face/toolbar/layout");
  int x = layout.x;
  for (const ToolButton& button : kToolButtons) {
    const bool hovered = wxString(button.name) == "add-folder";
    const wxBitmap picture = ToolButtonPicture(button, hovered ? "current" : "normal");
    dc.DrawBitmap(picture, x, 0, true);
    x += picture.GetWidth() + layout.width;
  }
}

void DrawGuideExtras(wxDC& dc) {
  const FaceRect& guide = GetFaceRect("/face/selectwidow/guide");
  dc.SetTextForeground(FaceColour("/face/selectwidow/guide/text-colour"));
  dc.SetFont(GuiFont(GetFaceRect("/face/selectwidow/guide/title-font").height, true));
  dc.DrawText("Getting Started", guide.x, guide.y);
  const int title_height = dc.GetTextExtent("Getting Started").y;
  dc.SetFont(GuiFont(GetFaceRect("/face/selectwidow/guide/content-font").height, true));
  const int x1 = guide.x + 10;
  const int y1 = guide.y + title_height + 20;
  const wxBitmap add_file = Load("image/toolbar/add-file-normal.png");
  const int cap = GetFaceRect("/face/toolbar/add-file-image").x;
  const wxBitmap add_icon = ImageUtil::CropBitmap(add_file, 4, 0, cap - 4, add_file.GetHeight());
  const wxSize line = dc.GetTextExtent("1.Click");
  dc.DrawText("1.Click", x1, y1);
  dc.DrawBitmap(add_icon, x1 + line.x + 4, y1);
  dc.DrawText("to load file(s).", x1 + line.x + 4 + add_icon.GetWidth() + 4, y1);
  const int y2 = y1 + line.y + 20;
  dc.DrawText("2.Set output format, output folder and page range.", x1, y2);
  const int y3 = y2 + line.y + 20;
  const wxImage start = BaseButtonPicture("big", "normal", "Start ").ConvertToImage();
  const wxBitmap start_icon(
      start.Scale(start.GetWidth() * 24 / start.GetHeight(), 24, wxIMAGE_QUALITY_HIGH));
  const int w3 = dc.GetTextExtent("3.Click").x;
  dc.DrawText("3.Click", x1, y3);
  dc.DrawBitmap(start_icon, x1 + w3 + 4, y3);
  dc.DrawText("to start conversion.", x1 + w3 + 4 + start_icon.GetWidth() + 4, y3);
}

void DrawRangeExtras(wxDC& dc, wxWindow* pane) {
  const wxSize size = pane->GetSize();
  const wxFont title_font = GuiFont(GetFaceRect("/face/pagerange-window/title-font").height, false);
  const wxFont radio_font = GuiFont(GetFaceRect("/face/pagerange-window/radio-font").height, false);
  dc.SetFont(title_font);
  dc.SetTextForeground(*wxBLACK);
  const wxSize title = dc.GetTextExtent("Page Range");
  dc.DrawText("Page Range", 20, 0);
  const int ym = title.y / 2;
  dc.SetPen(*wxGREY_PEN);
  dc.DrawLine(0, ym, 20, ym);
  dc.DrawLine(20 + title.x + 2, ym, size.x - 2, ym);
  dc.DrawLine(0, ym, 0, size.y - 2);
  dc.DrawLine(0, size.y - 2, size.x - 2, size.y - 2);
  dc.SetPen(*wxWHITE_PEN);
  dc.DrawLine(0, ym + 1, 20, ym + 1);
  dc.DrawLine(20 + title.x + 2, ym + 1, size.x - 2, ym + 1);
  dc.DrawLine(0, size.y - 1, size.x - 2, size.y - 1);

  const int ry = title.y + 4;
  dc.SetFont(radio_font);
  const int mark = ImageUtil::MakeRadioBitmap(pane, false).GetWidth();
  const int all_width = mark + 6 + dc.GetTextExtent("All").x;
  const int radio_height = std::max(dc.GetTextExtent("All").y, mark);
  DrawRadio(dc, pane, "All", radio_font, wxPoint(14, ry), true);
  DrawRadio(dc, pane, "Current", radio_font, wxPoint(all_width + 34, ry), false);
  const int ry2 = ry + radio_height + 4;
  DrawRadio(dc, pane, "Range", radio_font, wxPoint(14, ry2), false);
  const int range_width = mark + 6 + dc.GetTextExtent("Range").x;
  const wxSize ok(dc.GetTextExtent("Ok").x + 16, 22);
  const int ok_x = size.x - 4 - ok.x;
  wxRendererNative::Get().DrawPushButton(pane, dc, wxRect(wxPoint(ok_x, ry2), ok));
  dc.DrawText("Ok", ok_x + 8, ry2 + (22 - dc.GetTextExtent("Ok").y) / 2);
  const int tx = 14 + range_width + 20;
  DrawField(dc, wxRect(tx, ry2, ok_x - 4 - tx, 22), "1,3,4,5-10");
  dc.SetFont(GuiFont(GetFaceRect("/face/pagerange-window/description-font").height, false));
  dc.SetTextForeground(*wxBLACK);
  dc.DrawText("Enter page numbers and/or page ranges\nseparated by commas, for example:\n1,3,4,5-10.",
              14, ry2 + 22 + 4);
}

void DrawPreviewExtras(wxDC& dc, wxWindow* pane) {
  const FaceRect& area = GetFaceRect("/face/preview-window/preview");
  const FaceRect& row = GetFaceRect("/face/preview-window/control-region");
  // A made-up page so the proportions show.
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(area.x, area.y, area.width, area.height);
  dc.SetBrush(wxBrush(wxColour(70, 90, 130)));
  dc.DrawRectangle(area.x + 14, area.y + 16, area.width - 60, 8);
  dc.SetBrush(wxBrush(wxColour(200, 206, 216)));
  for (int line = 0; line < 12; ++line)
    dc.DrawRectangle(area.x + 14, area.y + 36 + line * 10, area.width - 28 - (line % 3) * 18, 4);
  dc.SetBrush(wxBrush(wxColour(120, 170, 230)));
  dc.DrawRectangle(area.x + 14, area.y + 164, area.width - 28, 52);

  const int gap = row.width;
  int x = row.x;
  for (const char* name : {"firstpage", "prev"}) {
    const wxBitmap button = Load(wxString::Format("image/preview/%s-normal.png", name));
    dc.DrawBitmap(button, x, row.y, true);
    x += button.GetWidth() + gap;
  }
  dc.SetFont(GuiFont(9, false));
  DrawField(dc, wxRect(x, row.y, 40, 20), "1");
  const int label_x = x + 41;
  dc.SetFont(GuiFont(9, false, wxFONTWEIGHT_LIGHT));
  dc.SetTextForeground(*wxWHITE);
  dc.DrawText("/12", label_x, row.y + 2);
  const wxBitmap next = Load("image/preview/nextpage-current.png");
  dc.DrawBitmap(next, label_x + dc.GetTextExtent("/----").x + gap, row.y, true);
  const wxBitmap last = Load("image/preview/lastpage-normal.png");
  dc.DrawBitmap(last, pane->GetSize().x - gap - last.GetWidth(), row.y, true);
}

void DrawOutputExtras(wxDC& dc, wxWindow* pane) {
  const FaceRect& caption = GetFaceRect("/face/outputwindow/statictext");
  const int width = pane->GetSize().x;
  dc.SetFont(GuiFont(9, false));
  const int th = dc.GetTextExtent("Output Folder").y;
  dc.SetFont(GuiFont(GetFaceRect("/face/outputwindow/output-description-font").height, true));
  dc.SetTextForeground(*wxBLACK);
  dc.DrawText("Output Folder", caption.x, caption.y);
  const wxFont radio_font = GuiFont(GetFaceRect("/face/outputwindow/output-description-font").height, false);
  dc.SetFont(radio_font);
  const int mark = ImageUtil::MakeRadioBitmap(pane, false).GetWidth();
  const int radio_height = std::max(dc.GetTextExtent("Customize").y, mark);
  DrawRadio(dc, pane, "Save target file(s) in source folder", radio_font,
            wxPoint(caption.x, caption.y + th + 10), false);
  const int row_y = caption.y + th + 18 + radio_height;
  DrawRadio(dc, pane, "Customize", radio_font, wxPoint(caption.x, row_y), true);
  const int customize_width = mark + 6 + dc.GetTextExtent("Customize").x;

  const wxBitmap start = BaseButtonPicture("big", "normal", "Start ");
  const int start_x = width - 20 - start.GetWidth();
  dc.DrawBitmap(start, start_x, GetFaceRect("/face/outputwindow/start-button").y);
  const wxBitmap open = BaseButtonPicture("small", "normal", "Open");
  const wxBitmap browse = BaseButtonPicture("small", "current", "Browse");
  const int open_x = start_x - open.GetWidth() - 40;
  const int browse_x = open_x - browse.GetWidth() - 10;
  dc.DrawBitmap(open, open_x, row_y);
  dc.DrawBitmap(browse, browse_x, row_y);
  const int field_x = caption.x + customize_width + 10;
  dc.SetFont(GuiFont(9, false));
  DrawField(dc, wxRect(field_x, row_y, browse_x - 10 - field_x,
                       GetFaceRect("/face/outputwindow/textctrl").height),
            "/home/user/Documents/Corvane Tarnly");
}

wxImage ReadScreen(const wxRect& rect) {
  wxImage image;
  ScreenGrabber::Grab(rect, &image);
  return image;
}

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
    wxTheApp->ProcessIdle();
    wxMilliSleep(10);
  }
}

void WriteSkinFrame(const wxString& path) {
  const wxBitmap screen = Load("image/screen1.png");
  const int width = screen.GetWidth();
  const int height = screen.GetHeight();
  auto* frame = new wxFrame(nullptr, wxID_ANY, AppUtil::GetProductName(), wxPoint(30, 30),
                            screen.GetSize(), wxBORDER_NONE | wxFRAME_SHAPED);
  WindowShape::SetRoundedRect(frame, 11);
  auto* base = new ZqPieceWindow(frame, new wxBitmap(screen), 2005, wxPoint(0, 0), screen.GetSize());
  auto cut = [&](int x, int y, int w, int h) { return ImageUtil::NewCroppedBitmap(screen, x, y, w, h); };

  const FaceRect& title = GetFaceRect("/face/titlebar");
  new ReviewPane(base, cut(0, title.y, width, title.height), wxPoint(0, title.y),
                 [width](wxDC& dc) { DrawTitleExtras(dc, width); });
  const FaceRect& menu = GetFaceRect("/face/menubar");
  new ReviewPane(base, cut(menu.x, menu.y, width - menu.x, menu.height), wxPoint(menu.x, menu.y),
                 [](wxDC& dc) { DrawMenuExtras(dc); });
  const FaceRect& tool = GetFaceRect("/face/toolbar");
  new ReviewPane(base, cut(tool.x, tool.y, tool.width, tool.height), wxPoint(tool.x, tool.y),
                 [](wxDC& dc) { DrawToolExtras(dc); });
  const FaceRect& output = GetFaceRect("/face/outputwindow");
  ReviewPane* output_pane = nullptr;
  output_pane = new ReviewPane(base, cut(0, output.y, width, height - output.y),
                               wxPoint(0, output.y),
                               [&output_pane](wxDC& dc) { DrawOutputExtras(dc, output_pane); });
  const FaceRect& preview = GetFaceRect("/face/preview-window");
  ReviewPane* preview_pane = nullptr;
  preview_pane = new ReviewPane(base, cut(preview.x, preview.y, preview.width, preview.height),
                                wxPoint(preview.x, preview.y),
                                [&preview_pane](wxDC& dc) { DrawPreviewExtras(dc, preview_pane); });
  const FaceRect& range = GetFaceRect("/face/pagerange-window");
  ReviewPane* range_pane = nullptr;
  range_pane = new ReviewPane(base, cut(range.x, range.y, range.width, range.height),
                              wxPoint(range.x, range.y),
                              [&range_pane](wxDC& dc) { DrawRangeExtras(dc, range_pane); });
  const FaceRect& list = GetFaceRect("/face/selectwidow");
  new ReviewPane(base, cut(list.x, list.y, list.width, list.height), wxPoint(list.x, list.y),
                 [](wxDC& dc) { DrawGuideExtras(dc); });

  frame->Show();
  Pump(60);
  frame->Refresh();
  Pump(60);
  // Leave a margin of desktop around the frame so the rounded corners show.
  const wxRect shot(frame->GetPosition() - wxPoint(10, 10), frame->GetSize() + wxSize(20, 20));
  ReadScreen(shot).SaveFile(path, wxBITMAP_TYPE_PNG);
  frame->Destroy();
  Pump(5);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <staged installation folder> <output folder>\n", argv[0]);
    return 2;
  }
  wxApp::SetInstance(new ReviewApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  const wxString install = wxString::FromUTF8(argv[1]);
  const wxString out = wxString::FromUTF8(argv[2]);
  AppUtil::SetExecutablePath(install + "/bin/tarnly");
  wxFileSystem::AddHandler(new wxArchiveFSHandler);
  wxInitAllImageHandlers();
  if (LoadFace(AppUtil::GetFaceFile()) != 0) {
    std::fprintf(stderr, "no face description under %s\n", argv[1]);
    return 1;
  }
  WriteReview(out + "/theme-review.png");
  WriteSkinFrame(out + "/skin-frame.png");
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
