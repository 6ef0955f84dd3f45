#include "common/image_util.h"

#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/renderer.h>

#include <memory>

#include "common/app_util.h"

namespace {

// "file:///.../Themes/default.zip#zip:image/screen1.png"
wxString ThemeEntryLocation(const wxString& name) {
  const wxString archive = AppUtil::GetThemeArchive();
  return wxFileSystem::FileNameToURL(wxFileName(archive)) + "#zip:" + name;
}

// Shows the face check message when (x, y, width, height) does not fit
// inside `source`.  Negative x or y are left to the copy, which leaves
// the uncovered part black.
void CheckCropRectangle(const wxBitmap& source, int x, int y, int width, int height) {
  const int max_width = source.IsOk() ? source.GetWidth() : 0;
  const int max_height = source.IsOk() ? source.GetHeight() : 0;
  if (max_width >= x + width && max_height >= y + height) return;
  const wxString text = wxString::Format(
      " face config is wrong. x=%d,y=%d,width=%d,height=%d; \nMax width is %d,Max height is "
      "%d.\n(x+width) must <= Max width AND (y+height) must <= Max height",
      x, y, width, height, max_width, max_height);
  wxMessageBox(text, wxMessageBoxCaptionStr, wxOK | wxCENTRE);
}

// The copy itself: black where the source has no pixels or is masked out,
// alpha blended over black, and no mask or alpha left in the result.
wxBitmap CopyRectangle(const wxBitmap& source, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return wxBitmap();
  wxBitmap result(width, height);
  if (!result.IsOk()) return wxBitmap();
  wxMemoryDC dc(result);
  dc.SetBackground(*wxBLACK_BRUSH);
  dc.Clear();
  if (source.IsOk()) dc.DrawBitmap(source, -x, -y, true);
  dc.SelectObject(wxNullBitmap);
  return result;
}

}  // namespace

wxBitmap ImageUtil::LoadThemeBitmap(const wxString& name, wxBitmapType type) {
  // A missing entry or a broken picture is not the user's business: the
  // caller gets an invalid bitmap and nothing is shown or logged.
  wxLogNull quiet;
  wxFileSystem file_system;
  std::unique_ptr<wxFSFile> file(file_system.OpenFile(ThemeEntryLocation(name), wxFS_READ));
  if (!file || !file->GetStream()) return wxBitmap();
  wxImage image;
  if (!image.LoadFile(*file->GetStream(), type) || !image.IsOk()) return wxBitmap();
  wxBitmap bitmap(image);
  return bitmap.IsOk() ? bitmap : wxBitmap();
}

wxBitmap* ImageUtil::NewThemeBitmap(const wxString& name, wxBitmapType type) {
  wxBitmap bitmap = LoadThemeBitmap(name, type);
  if (!bitmap.IsOk()) return nullptr;
  return new wxBitmap(bitmap);
}

wxBitmap ImageUtil::CropBitmap(const wxBitmap& source, int x, int y, int width, int height) {
  CheckCropRectangle(source, x, y, width, height);
  return CopyRectangle(source, x, y, width, height);
}

wxBitmap* ImageUtil::NewCroppedBitmap(const wxBitmap& source, int x, int y, int width,
                                      int height) {
  // After the face check message the layout goes on with the partly filled
  // copy: a wrong face description makes the window look wrong, not crash.
  CheckCropRectangle(source, x, y, width, height);
  wxBitmap copy = CopyRectangle(source, x, y, width, height);
  if (!copy.IsOk()) return nullptr;
  return new wxBitmap(copy);
}

void ImageUtil::MaskToAlpha(wxImage& image) {
  if (!image.IsOk() || !image.HasMask() || image.HasAlpha()) return;
  const unsigned char mask_red = image.GetMaskRed();
  const unsigned char mask_green = image.GetMaskGreen();
  const unsigned char mask_blue = image.GetMaskBlue();
  image.SetAlpha();
  const int pixel_count = image.GetWidth() * image.GetHeight();
  const unsigned char* rgb = image.GetData();
  unsigned char* alpha = image.GetAlpha();
  for (int i = 0; i < pixel_count; ++i, rgb += 3) {
    const bool masked = rgb[0] == mask_red && rgb[1] == mask_green && rgb[2] == mask_blue;
    alpha[i] = masked ? wxIMAGE_ALPHA_TRANSPARENT : wxIMAGE_ALPHA_OPAQUE;
  }
  image.SetMask(false);
}

wxBitmap ImageUtil::MakeRadioBitmap(wxWindow* window, bool selected) {
  wxRendererNative& renderer = wxRendererNative::Get();
  const wxSize size = renderer.GetCheckBoxSize(window);
  if (size.x <= 0 || size.y <= 0) return wxBitmap();

  // A black picture whose black is the mask: every pixel starts transparent.
  wxImage ground(size.x, size.y, true);
  ground.SetMaskColour(0, 0, 0);
  MaskToAlpha(ground);
  wxBitmap bitmap(ground);

  wxMemoryDC dc(bitmap);
  const int flags = selected ? static_cast<int>(wxCONTROL_CHECKED) : 0;
  renderer.DrawRadioBitmap(window, dc, wxRect(size), flags);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}
