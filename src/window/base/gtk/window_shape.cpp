#include "window/base/gtk/window_shape.h"

#include <wx/graphics.h>

bool WindowShape::SetRoundedRect(wxTopLevelWindow* window, int radius) {
  const wxSize size = window->GetSize();
  wxGraphicsPath path = wxGraphicsRenderer::GetDefaultRenderer()->CreatePath();
  path.AddRoundedRectangle(0, 0, size.x, size.y, radius);
  return window->SetShape(path);
}
