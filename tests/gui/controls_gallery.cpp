#include "gui/controls_gallery.h"

#include <algorithm>

#include <wx/event.h>
#include <wx/settings.h>

#include "common/image_util.h"
#include "window/base/dh_bitmap_button.h"
#include "window/base/dh_check_box.h"
#include "window/base/dh_grid_cell_choice_editor.h"
#include "window/base/dh_hyper_link_ctrl.h"
#include "window/base/dh_radio_button.h"
#include "window/base/dh_radio_group.h"
#include "window/base/dh_static_bitmap.h"
#include "window/base/dh_static_text.h"
#include "window/base/dh_word_button.h"
#include "window/base/face_config.h"
#include "window/base/title_window.h"
#include "window/base/xy_grid.h"
#include "window/base/zq_grid_cell_renderer.h"

namespace controls_test {
namespace {

const char* const kLookNames[] = {"normal", "current", "pressed"};
const int kLookStates[] = {DH_BUTTON_NORMAL, DH_BUTTON_CURRENT, DH_BUTTON_PRESSED};
const wxColour kProgressColour(252, 156, 0);
const wxColour kBlack(0, 0, 0);

wxColour FaceColour(const wxString& key) {
  const FaceRect& entry = GetFaceRect(key);
  return wxColour(entry.x & 0xff, entry.y & 0xff, entry.width & 0xff);
}

wxFont FaceFont(int points, bool bold) {
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  if (points > 0) font.SetPointSize(points);
  if (bold) font.MakeBold();
  return font;
}

const wxBitmap& PaneBackground(ZqPieceWindow* pane) { return *pane->GetBackground(); }

// How an owner dresses one kind of word button, from the face description.
struct WordStyle {
  wxString images;  // picture name without "-normal.png" and so on
  wxString slices;  // face key of the cap and middle widths
  wxString colour;  // face key of the caption colour
  int text_top;
  wxFont font;
};

WordStyle BaseStyle(const wxString& kind, int points) {
  const wxString key = "/face/base-button/" + kind + "-button-crop";
  return {"image/base/" + kind, key, key + "/textcolour", GetFaceRect(key).y,
          FaceFont(points, true)};
}

WordStyle ToolStyle(const wxString& name) {
  const wxString key = "/face/toolbar/" + name + "-image";
  const FaceRect& font = GetFaceRect("/face/toolbar/font");
  return {"image/toolbar/" + name, key, key + "/textcolour", GetFaceRect(key + "/offsety").y,
          FaceFont(font.height, font.x != 0)};
}

DhWordButton* MakeWordButton(ZqPieceWindow* pane, const WordStyle& style, const wxString& caption,
                             const wxPoint& at) {
  const FaceRect& slices = GetFaceRect(style.slices);
  auto* button = new DhWordButton(pane, wxID_ANY, at);
  button->SetBitmaps(ImageUtil::LoadThemeBitmap(style.images + "-normal.png"), slices.x,
                     slices.width, ImageUtil::LoadThemeBitmap(style.images + "-current.png"),
                     ImageUtil::LoadThemeBitmap(style.images + "-pressed.png"));
  button->SetBackgroundBitmap(PaneBackground(pane), DhWordButton::kBackgroundPicture);
  button->SetForegroundColour(FaceColour(style.colour));
  button->SetTextTop(style.text_top);
  button->SetText(caption, style.font);
  return button;
}

wxSize PictureSize(const wxString& name) { return ImageUtil::LoadThemeBitmap(name).GetSize(); }

// Sends the button what the pointer would: entering, then pressing.
void SendPointer(DhButtonBase* button, wxEventType type) {
  wxMouseEvent event(type);
  event.SetEventObject(button);
  event.SetId(button->GetId());
  event.SetPosition(wxPoint(button->GetSize().x / 2, button->GetSize().y / 2));
  button->GetEventHandler()->ProcessEvent(event);
}

void ApplyState(DhButtonBase* button, int state) {
  if (state == DH_BUTTON_DISABLED) {
    button->Disable();
    return;
  }
  if (state == DH_BUTTON_CURRENT || state == DH_BUTTON_PRESSED) {
    SendPointer(button, wxEVT_ENTER_WINDOW);
  }
  if (state == DH_BUTTON_PRESSED) SendPointer(button, wxEVT_LEFT_DOWN);
}

}  // namespace

ControlsGallery::ControlsGallery(wxWindow* base, const wxBitmap& screen)
    : base_(base), screen_(screen) {
  BuildTitleBar();
  const FaceRect& menu = GetFaceRect("/face/menubar");
  ZqPieceWindow* menu_band = AddPane(
      wxRect(menu.x, menu.y, screen_.GetWidth() - menu.x, menu.height));
  AddLabel(menu_band, "Skinned controls: normal, current, pressed and disabled", wxPoint(0, 1),
           FaceColour("/face/menu/text-normal-colour"), 10, false);
  const FaceRect& tool = GetFaceRect("/face/toolbar");
  const FaceRect& list = GetFaceRect("/face/selectwidow");
  ZqPieceWindow* card = AddPane(wxRect(list.x, list.y, list.width, list.height));
  BuildGrid(card);
  BuildToolBar(AddPane(wxRect(tool.x, tool.y, tool.width, tool.height)), card,
               grid_->GetRect().GetBottom() + 8);
  const FaceRect& range = GetFaceRect("/face/pagerange-window");
  BuildPageRange(AddPane(wxRect(range.x, range.y, range.width, range.height)));
  const FaceRect& preview = GetFaceRect("/face/preview-window");
  BuildPreview(AddPane(wxRect(preview.x, preview.y, preview.width, preview.height)));
  const int output_top = GetFaceRect("/face/outputwindow").y;
  BuildOutput(AddPane(
      wxRect(0, output_top, screen_.GetWidth(), screen_.GetHeight() - output_top)));
}

ZqPieceWindow* ControlsGallery::AddPane(const wxRect& rect) {
  wxBitmap* piece =
      ImageUtil::NewCroppedBitmap(screen_, rect.x, rect.y, rect.width, rect.height);
  auto* pane = new ZqPieceWindow(base_, piece, wxID_ANY, rect.GetPosition(), rect.GetSize());
  panes_.push_back(pane);
  return pane;
}

DhStaticText* ControlsGallery::AddLabel(ZqPieceWindow* pane, const wxString& text,
                                        const wxPoint& at, const wxColour& colour, int points,
                                        bool bold) {
  auto* label = new DhStaticText();
  label->Create(pane, wxID_ANY, "", at);
  label->SetFont(FaceFont(points, bold));
  label->SetForegroundColour(colour);
  label->SetLabel(text);
  // Before the label is shown GTK measures it in its old font (too narrow
  // wraps a bold caption, too wide leaves a gap), so size it from the font.
  label->SetSize(label->GetTextExtent(text) + wxSize(1, 0));
  label->SetBackground(pane->GetBackground());
  labels_.push_back(label);
  return label;
}

// Names a look with a label ending just left of `right`, centred on a
// button row; returns where the next group must end.
int ControlsGallery::NameLook(ZqPieceWindow* bar, int look, int right, int top, int height) {
  DhStaticText* label =
      AddLabel(bar, kLookNames[look], wxPoint(0, 0), FaceColour("/face/titlebar/textcolour"), 8,
               false);
  label->Move(right - 6 - label->GetSize().x, top + (height - label->GetSize().y) / 2);
  return label->GetPosition().x - 20;
}

// The title bar's own minimise and close buttons show the normal look;
// copies to their left show the current and pressed looks.
void ControlsGallery::BuildTitleBar() {
  const FaceRect& title = GetFaceRect("/face/titlebar");
  const wxRect rect(0, title.y, screen_.GetWidth(), title.height);
  auto* bar = new TitleWindow(
      ImageUtil::NewCroppedBitmap(screen_, rect.x, rect.y, rect.width, rect.height), base_, 2001,
      rect.GetPosition(), rect.GetSize());
  panes_.push_back(bar);
  ButtonLooks minimise{"minimise", {bar->GetMinimizeButton()}, {DH_BUTTON_NORMAL},
                       PictureSize("image/titlebar/minimize-normal.png")};
  ButtonLooks close{"close", {bar->GetCloseButton()}, {DH_BUTTON_NORMAL},
                    PictureSize("image/base/close-normal.png")};
  const int top = bar->GetCloseButton()->GetPosition().y;
  int right = NameLook(bar, 0, bar->GetMinimizeButton()->GetPosition().x, top, minimise.picture.y);
  for (int look : {2, 1}) {
    const int close_x = right - close.picture.x;
    const int minimise_x = close_x - minimise.picture.x;
    minimise.buttons.push_back(AddBitmapButton(bar, "image/titlebar/minimize",
                                               wxPoint(minimise_x, top)));
    minimise.states.push_back(kLookStates[look]);
    close.buttons.push_back(AddBitmapButton(bar, "image/base/close", wxPoint(close_x, top)));
    close.states.push_back(kLookStates[look]);
    right = NameLook(bar, look, minimise_x, top, minimise.picture.y);
  }
  bitmap_buttons_.push_back(minimise);
  bitmap_buttons_.push_back(close);
}

// The four tool buttons rest on the band as the tool bar shows them; the
// file list card below the grid holds them once more, hovered and pressed.
void ControlsGallery::BuildToolBar(ZqPieceWindow* band, ZqPieceWindow* card, int card_top) {
  const FaceRect& layout = GetFaceRect("/face/toolbar/layout");
  const char* names[] = {"add-file", "add-folder", "delete", "clear-all"};
  const char* captions[] = {"Add File", "Add Folder", "Delete", "Clear All"};
  const wxColour text = FaceColour("/face/selectwidow/guide/text-colour");
  // Each card row: its look's name, then the four buttons under it.
  std::vector<int> row_tops;
  int y = card_top;
  for (int look : {1, 2}) {
    const DhStaticText* label = AddLabel(card, kLookNames[look], wxPoint(16, y), text, 9, false);
    row_tops.push_back(label->GetRect().GetBottom() + 4);
    y = row_tops.back() + PictureSize("image/toolbar/add-file-normal.png").y + 8;
  }
  int x = layout.x;
  std::vector<int> card_x(2, 16);
  for (int i = 0; i < 4; ++i) {
    ButtonLooks looks{names[i], {}, {}, PictureSize(wxString("image/toolbar/") + names[i] +
                                                    "-normal.png")};
    const WordStyle style = ToolStyle(names[i]);
    DhWordButton* normal = MakeWordButton(band, style, captions[i], wxPoint(x, 0));
    normal->Move(x, (band->GetSize().y - normal->GetSize().y) / 2);
    x += normal->GetSize().x + layout.width;
    looks.buttons.push_back(normal);
    looks.states.push_back(DH_BUTTON_NORMAL);
    for (int row = 0; row < 2; ++row) {
      DhWordButton* button =
          MakeWordButton(card, style, captions[i], wxPoint(card_x[row], row_tops[row]));
      card_x[row] += button->GetSize().x + layout.width;
      looks.buttons.push_back(button);
      looks.states.push_back(kLookStates[row + 1]);
    }
    word_buttons_.push_back(looks);
  }
}

void ControlsGallery::BuildPageRange(ZqPieceWindow* pane) {
  const wxString key = "/face/pagerange-window";
  const DhStaticText* title =
      AddLabel(pane, "Page Range", wxPoint(14, 2), kBlack,
               GetFaceRect(key + "/title-font").height, true);
  const wxFont radio_font = FaceFont(GetFaceRect(key + "/radio-font").height, false);
  auto* group = new DhRadioGroup();
  // The group is no window; the pane keeps it alive.
  pane->Bind(wxEVT_DESTROY, [group](wxWindowDestroyEvent& event) {
    delete group;
    event.Skip();
  });
  int x = 14;
  const int y = title->GetRect().GetBottom() + 8;
  const char* captions[] = {"All", "Current", "Range"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new DhRadioButton();
    radio->Create(pane, wxID_ANY, ImageUtil::MakeRadioBitmap(pane, false),
                  ImageUtil::MakeRadioBitmap(pane, true), PaneBackground(pane), wxPoint(x, y));
    radio->SetFont(radio_font);
    radio->SetCaption(captions[i], false);
    if (i == 0) radio->SetValue(true);
    group->Add(radio);
    x += radio->GetSize().x + 24;
  }
  group->InitSelection();
  const char* boxes[] = {"Unchecked", "Checked", "Disabled", "Disabled, checked"};
  for (int i = 0; i < 4; ++i) {
    auto* box = new DhCheckBox();
    box->Create(pane, wxID_ANY, wxPoint(14 + (i % 2) * 120, y + 30 + (i / 2) * 26));
    box->SetBackgroundBitmap(PaneBackground(pane), false);
    box->SetFont(radio_font);
    box->SetCaption(boxes[i]);
    box->SetValue(i % 2 == 1);
    if (i >= 2) box->Disable();
    check_boxes_.push_back(box);
  }
}

DhBitmapButton* ControlsGallery::AddBitmapButton(ZqPieceWindow* pane, const wxString& prefix,
                                                 const wxPoint& at) {
  wxBitmap* normal = ImageUtil::NewThemeBitmap(prefix + "-normal.png");
  const wxSize size = normal != nullptr ? normal->GetSize() : wxSize(1, 1);
  auto* button = new DhBitmapButton(pane, wxID_ANY, at, size, wxBORDER_NONE);
  button->SetNormalBitmap(normal)->SetPressedBitmap(
      ImageUtil::NewThemeBitmap(prefix + "-pressed.png"));
  button->SetCurrentBitmap(ImageUtil::NewThemeBitmap(prefix + "-current.png"));
  button->SetBackgroundBitmap(
      ImageUtil::CropBitmap(PaneBackground(pane), at.x, at.y, size.x, size.y));
  return button;
}

// One navigation button in its three looks, left to right.
void ControlsGallery::AddBitmapLooks(ZqPieceWindow* pane, const wxString& prefix,
                                     const wxPoint& first, const wxPoint& step) {
  ButtonLooks looks{prefix.AfterLast('/'), {}, {}, PictureSize(prefix + "-normal.png")};
  for (int look = 0; look < 3; ++look) {
    looks.buttons.push_back(AddBitmapButton(pane, prefix, first + step * look));
    looks.states.push_back(kLookStates[look]);
  }
  bitmap_buttons_.push_back(looks);
}

// The page area holds the navigation buttons in their three looks, one
// row per look above the skin's empty-page sign, and the logo and a legend
// below it; the control row under the area is laid out as the preview does
// on the first page (so "first" is disabled).
void ControlsGallery::BuildPreview(ZqPieceWindow* pane) {
  const FaceRect& area = GetFaceRect("/face/preview-window/preview");
  const FaceRect& row = GetFaceRect("/face/preview-window/control-region");
  const wxSize button = PictureSize("image/preview/firstpage-normal.png");
  const int spacing = 8;
  const int left = area.x + (area.width - 4 * button.x - 3 * spacing) / 2;
  const wxPoint look_step(0, button.y + 4);
  const char* names[] = {"firstpage", "prev", "nextpage", "lastpage"};
  for (int i = 0; i < 4; ++i) {
    AddBitmapLooks(pane, wxString("image/preview/") + names[i],
                   wxPoint(left + i * (button.x + spacing), area.y + 8), look_step);
  }
  DhStaticText* legend =
      AddLabel(pane, "normal / current / pressed", wxPoint(0, 0), *wxWHITE, 8, false);
  legend->Move(area.x + (area.width - legend->GetSize().x) / 2,
               area.y + area.height - 4 - legend->GetSize().y);
  logo_picture_ = wxBitmap(ImageUtil::LoadThemeBitmap("application/application.png")
                               .ConvertToImage()
                               .Scale(48, 48, wxIMAGE_QUALITY_HIGH));
  logo_ = new DhStaticBitmap(pane, wxID_ANY, logo_picture_,
                             wxPoint(area.x + (area.width - 48) / 2, legend->GetPosition().y - 54),
                             logo_picture_.GetSize());
  logo_->SetBackground(pane->GetBackground());

  const int gap = row.width;
  int x = row.x;
  for (int i = 0; i < 2; ++i) {
    DhBitmapButton* nav =
        AddBitmapButton(pane, wxString("image/preview/") + names[i], wxPoint(x, row.y));
    x += button.x + gap;
    bitmap_buttons_[bitmap_buttons_.size() - 4 + i].buttons.push_back(nav);
    bitmap_buttons_[bitmap_buttons_.size() - 4 + i].states.push_back(
        i == 0 ? DH_BUTTON_DISABLED : DH_BUTTON_NORMAL);
    if (i == 0) {
      // The theme has no disabled picture; a greyed copy of the normal one
      // makes the disabled look visible.  The button only borrows it.
      auto* greyed = new wxBitmap(
          ImageUtil::LoadThemeBitmap("image/preview/firstpage-normal.png").ConvertToDisabled());
      nav->SetDisabledBitmap(greyed);
      nav->Bind(wxEVT_DESTROY, [greyed](wxWindowDestroyEvent& event) {
        delete greyed;
        event.Skip();
      });
    }
  }
  DhStaticText* page = AddLabel(pane, "1 / 12", wxPoint(x, 0), *wxWHITE, 9, false);
  page->Move(x, row.y + (button.y - page->GetSize().y) / 2);
  x += page->GetSize().x + gap;
  const int last_x = pane->GetSize().x - gap - button.x;
  for (int i = 2; i < 4; ++i) {
    const wxPoint at(i == 3 ? last_x : x, row.y);
    DhBitmapButton* nav = AddBitmapButton(pane, wxString("image/preview/") + names[i], at);
    bitmap_buttons_[bitmap_buttons_.size() - 4 + i].buttons.push_back(nav);
    bitmap_buttons_[bitmap_buttons_.size() - 4 + i].states.push_back(DH_BUTTON_NORMAL);
  }
}

// The output strip: its caption, small buttons and a link on the left,
// big buttons at the right end where Start sits.
void ControlsGallery::BuildOutput(ZqPieceWindow* pane) {
  const wxString key = "/face/outputwindow";
  const FaceRect& caption = GetFaceRect(key + "/statictext");
  const int points = GetFaceRect(key + "/output-description-font").height;
  const DhStaticText* title = AddLabel(pane, "Output Folder", wxPoint(caption.x, caption.y),
                                       kBlack, points, true);
  const char* captions[] = {"Normal", "Current", "Pressed", "Disabled"};
  const int states[] = {DH_BUTTON_NORMAL, DH_BUTTON_CURRENT, DH_BUTTON_PRESSED,
                        DH_BUTTON_DISABLED};
  ButtonLooks small{"small", {}, {}, PictureSize("image/base/small-normal.png")};
  int x = caption.x;
  const int small_y = title->GetRect().GetBottom() + 10;
  for (int i = 0; i < 4; ++i) {
    DhWordButton* button =
        MakeWordButton(pane, BaseStyle("small", points), captions[i], wxPoint(x, small_y));
    x += button->GetSize().x + 10;
    small.buttons.push_back(button);
    small.states.push_back(states[i]);
  }
  link_ = new DhHyperLinkCtrl(pane, wxID_ANY, "corvane.example/tarnly",
                              "https://corvane.example/tarnly",
                              wxPoint(caption.x, small_y + small.picture.y + 8));
  link_->SetBackground(pane->GetBackground());

  ButtonLooks big{"big", {}, {}, PictureSize("image/base/big-normal.png")};
  const int big_points = GetFaceRect(key + "/start-font").height;
  x = pane->GetSize().x - 20;
  for (int i = 3; i >= 0; --i) {
    DhWordButton* button = MakeWordButton(pane, BaseStyle("big", big_points), captions[i],
                                          wxPoint(0, GetFaceRect(key + "/start-button").y));
    x -= button->GetSize().x;
    button->Move(x, button->GetPosition().y);
    x -= 12;
    big.buttons.insert(big.buttons.begin(), button);
    big.states.insert(big.states.begin(), states[i]);
  }
  word_buttons_.push_back(small);
  word_buttons_.push_back(big);
}

// The file list's grid, configured as the file list does, with one row per
// status look and the output type chooser shown in every row.
void ControlsGallery::BuildGrid(ZqPieceWindow* card) {
  grid_ = new XyGrid(card, wxID_ANY, wxPoint(0, 0), wxSize(card->GetSize().x, 20 + 6 * 30 + 2));
  grid_->CreateGrid(0, 0);
  grid_->SetColLabelSize(20);
  grid_->SetRowLabelSize(20);
  grid_->SetScrollLineX(1);
  grid_->SetLabelFont(grid_->GetDefaultCellFont());
  grid_->SetSelectionMode(wxGrid::wxGridSelectRows);
  grid_->SetDefaultRowSize(30);
  grid_->SetLabelBackgroundColour(wxColour(232, 232, 232));
  grid_->SetCellHighlightPenWidth(0);
  grid_->SetGridLineColour(wxColour(232, 232, 232));
  grid_->DisableDragGridSize();
  grid_->DisableDragRowSize();
  grid_->UseNativeColHeader(true);
  const char* titles[] = {"File Name", "Size", "Total Pages", "Output Type", "Selected Page",
                          "Status"};
  // The file list's widths, a little wider where a title would be cut.
  const int widths[] = {120, 56, 84, 90, 108, 100};
  grid_->AppendCols(6);
  for (int i = 0; i < 6; ++i) {
    grid_->SetColLabelValue(i, titles[i]);
    grid_->SetColSize(i, widths[i]);
  }
  grid_->SetColLabelAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
  struct Row {
    const char* name;
    const char* size;
    const char* pages;
    const char* type;
    const char* selected;
  };
  const Row rows[] = {{"brochure.pdf", "1.2 MB", "12", "JPG", "All"},
                      {"invoice-0412.pdf", "88 KB", "2", "PNG", "1"},
                      {"annual-report.pdf", "6.4 MB", "148", "TIF", "1-10"},
                      {"slides.pdf", "3.1 MB", "40", "BMP", "All"},
                      {"manual.pdf", "9.8 MB", "310", "GIF", "5-9,12"},
                      {"scan-2019.pdf", "15 MB", "64", "JPG", "All"}};
  for (int r = 0; r < 6; ++r) {
    grid_->AppendRows(1);
    const char* texts[] = {rows[r].name, rows[r].size, rows[r].pages, rows[r].type,
                           rows[r].selected};
    for (int c = 0; c < 5; ++c) grid_->SetCellValue(r, c, texts[c]);
    grid_->SetCellAlignment(r, 0, wxALIGN_LEFT, wxALIGN_CENTRE);
  }
  AddStatusRow(0, 0, "Not Converted", false);
  AddStatusRow(1, 0, "0%", true);
  AddStatusRow(2, 50, "50%", true);
  AddStatusRow(3, 100, "100%", true);
  AddStatusRow(4, 60, "Stop", true);    // stopped at 60%: the bar stays
  AddStatusRow(5, 20, "Failed", true);  // failed at 20%: bar and colour stay
}

void ControlsGallery::AddStatusRow(int row, int percent, const wxString& text, bool coloured) {
  auto* renderer = new ZqGridCellRenderer();
  if (coloured) renderer->SetColour(kProgressColour);
  renderer->SetPercent(percent);
  renderer->SetText(text);
  grid_->SetCellRenderer(row, GetStatusColumn(), renderer);
  grid_->SetReadOnly(row, GetStatusColumn());
  grid_->SetCellValue(row, GetStatusColumn(), " ");
  status_rows_.push_back({renderer, percent, text});
}

void ControlsGallery::ApplyStates() {
  for (const std::vector<ButtonLooks>* kind : {&word_buttons_, &bitmap_buttons_}) {
    for (const ButtonLooks& looks : *kind) {
      for (size_t i = 0; i < looks.buttons.size(); ++i) ApplyState(looks.buttons[i], looks.states[i]);
    }
  }
  // Every output type cell gets its chooser, which then stays shown.
  wxArrayString choices;
  for (const char* type : {"JPG", "TIF", "PNG", "BMP", "GIF"}) choices.Add(type);
  for (int r = 0; r < grid_->GetNumberRows(); ++r) {
    grid_->SetCellEditor(r, GetOutputTypeColumn(), new DhGridCellChoiceEditor(choices));
    grid_->SetGridCursor(r, GetOutputTypeColumn());
    grid_->EnableCellEditControl();
    grid_->ShowCellEditControl();
  }
  grid_->DisableCellEditControl();
}

}  // namespace controls_test
