// Window outlines for borderless skinned windows.  On GTK a shape is set
// through the toolkit's region support; kept here so a port changes one place.
#ifndef TARNLY_WINDOW_BASE_GTK_WINDOW_SHAPE_H
#define TARNLY_WINDOW_BASE_GTK_WINDOW_SHAPE_H

#include <wx/toplevel.h>

class WindowShape {
 public:
  virtual ~WindowShape() = default;

  // Cuts `window` to a rectangle of its size with corners of `radius` pixels.
  // Returns false when the platform cannot shape windows.
  static bool SetRoundedRect(wxTopLevelWindow* window, int radius);
};

#endif
