#include "window/base/gtk/screen_grabber.h"

#include <gdk/gdk.h>

bool ScreenGrabber::Grab(const wxRect& area, wxImage* image) {
  *image = wxImage(area.width, area.height, true);
  GdkWindow* root = gdk_get_default_root_window();
  if (root == nullptr) return false;
  GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(root, area.x, area.y, area.width, area.height);
  if (pixbuf == nullptr) return false;
  const guchar* data = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  const int step = gdk_pixbuf_get_n_channels(pixbuf);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const guchar* p = data + y * stride + x * step;
      image->SetRGB(x, y, p[0], p[1], p[2]);
    }
  }
  g_object_unref(pixbuf);
  return true;
}
