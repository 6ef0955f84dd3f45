// The controls gallery: every skinned control in its looks, laid out on the
// panes of the theme's window picture the way the program's panes hold
// them (tool bar buttons on the tool bar band, navigation buttons on the
// preview card, the grid in the file list card, word buttons on the output
// strip).  Captions, colours and fonts come from the face description.
#ifndef TARNLY_TESTS_GUI_CONTROLS_GALLERY_H
#define TARNLY_TESTS_GUI_CONTROLS_GALLERY_H

#include <wx/bitmap.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <vector>

class DhButtonBase;
class DhCheckBox;
class DhStaticBitmap;
class DhStaticText;
class DhHyperLinkCtrl;
class DhWordButton;
class DhBitmapButton;
class XyGrid;
class ZqGridCellRenderer;
class ZqPieceWindow;
class wxWindow;

namespace controls_test {

// One button kind in the looks the gallery gives it.
struct ButtonLooks {
  wxString name;
  std::vector<DhButtonBase*> buttons;
  std::vector<int> states;  // the state each button is put in, same order
  wxSize picture;           // size of the kind's normal picture
};

// A status cell of the grid and what its renderer was told.
struct StatusRow {
  ZqGridCellRenderer* renderer;
  int percent;
  wxString text;
};

class ControlsGallery {
 public:
  // Builds the panes and controls as children of `base`, which shows
  // `screen` (the whole window picture) at its origin.
  ControlsGallery(wxWindow* base, const wxBitmap& screen);

  // Puts every button into the state it shows.  Only one button can be
  // under the real pointer, so each gets the pointer events of its state.
  void ApplyStates();

  const std::vector<ZqPieceWindow*>& GetPanes() const { return panes_; }
  const std::vector<ButtonLooks>& GetWordButtons() const { return word_buttons_; }
  const std::vector<ButtonLooks>& GetBitmapButtons() const { return bitmap_buttons_; }
  const std::vector<DhCheckBox*>& GetCheckBoxes() const { return check_boxes_; }
  const std::vector<DhStaticText*>& GetLabels() const { return labels_; }
  DhStaticBitmap* GetLogo() const { return logo_; }
  const wxBitmap& GetLogoPicture() const { return logo_picture_; }
  DhHyperLinkCtrl* GetLink() const { return link_; }
  XyGrid* GetGrid() const { return grid_; }
  const std::vector<StatusRow>& GetStatusRows() const { return status_rows_; }
  int GetOutputTypeColumn() const { return 3; }
  int GetStatusColumn() const { return 5; }

 private:
  ZqPieceWindow* AddPane(const wxRect& rect);
  void BuildTitleBar();
  void BuildToolBar(ZqPieceWindow* band, ZqPieceWindow* card, int card_top);
  void BuildPageRange(ZqPieceWindow* pane);
  void BuildPreview(ZqPieceWindow* pane);
  void BuildOutput(ZqPieceWindow* pane);
  void BuildGrid(ZqPieceWindow* card);
  void AddStatusRow(int row, int percent, const wxString& text, bool coloured);
  DhStaticText* AddLabel(ZqPieceWindow* pane, const wxString& text, const wxPoint& at,
                         const wxColour& colour, int points, bool bold);
  DhBitmapButton* AddBitmapButton(ZqPieceWindow* pane, const wxString& prefix,
                                  const wxPoint& at);
  void AddBitmapLooks(ZqPieceWindow* pane, const wxString& prefix, const wxPoint& first,
                      const wxPoint& step);
  int NameLook(ZqPieceWindow* bar, int look, int right, int top, int height);

  wxWindow* base_;
  wxBitmap screen_;
  std::vector<ZqPieceWindow*> panes_;
  std::vector<ButtonLooks> word_buttons_;
  std::vector<ButtonLooks> bitmap_buttons_;
  std::vector<DhCheckBox*> check_boxes_;
  std::vector<DhStaticText*> labels_;
  DhStaticBitmap* logo_ = nullptr;
  wxBitmap logo_picture_;
  DhHyperLinkCtrl* link_ = nullptr;
  XyGrid* grid_ = nullptr;
  std::vector<StatusRow> status_rows_;
};

}  // namespace controls_test

#endif
