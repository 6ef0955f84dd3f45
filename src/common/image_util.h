// Theme pictures: archive entries of "Themes/default.zip" turned into
// bitmaps, rectangles cut from bitmaps, masks turned into alpha, and the
// platform's radio button drawn into a transparent bitmap.
#ifndef TARNLY_COMMON_IMAGE_UTIL_H
#define TARNLY_COMMON_IMAGE_UTIL_H

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/string.h>
#include <wx/window.h>

class ImageUtil {
 public:
  virtual ~ImageUtil() = default;

  // The entry `name` (for example "image/base/close-normal.png") of the theme
  // archive; an invalid bitmap when missing or undecodable.
  static wxBitmap LoadThemeBitmap(const wxString& name, wxBitmapType type = wxBITMAP_TYPE_PNG);
  // The same as a new heap bitmap owned by the caller; null on failure.
  static wxBitmap* NewThemeBitmap(const wxString& name, wxBitmapType type = wxBITMAP_TYPE_PNG);
  // width x height pixels of `source` from (x, y).  A rectangle beyond the
  // source shows the face check message; the copy is then partly black.
  static wxBitmap CropBitmap(const wxBitmap& source, int x, int y, int width, int height);
  static wxBitmap* NewCroppedBitmap(const wxBitmap& source, int x, int y, int width, int height);
  // Alpha 0 where the pixel equals the mask colour, 255 elsewhere; mask off.
  static void MaskToAlpha(wxImage& image);
  // The platform's radio button, selected or not, on a transparent ground.
  static wxBitmap MakeRadioBitmap(wxWindow* window, bool selected);
};

#endif
