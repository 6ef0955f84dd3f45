#include "gui/screen_capture.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <wx/window.h>

namespace screencap {
namespace {

// GDK, which the toolkit has already loaded, looked up at run time as the
// tests do not build against GTK.
struct Gdk {
  using RootWindowFn = void* (*)();
  using FromWindowFn = void* (*)(void*, int, int, int, int);
  using PixelsFn = unsigned char* (*)(void*);
  using IntFn = int (*)(void*);
  using UnrefFn = void (*)(void*);

  Gdk()
      : root_window(reinterpret_cast<RootWindowFn>(Find("gdk_get_default_root_window"))),
        from_window(reinterpret_cast<FromWindowFn>(Find("gdk_pixbuf_get_from_window"))),
        pixels(reinterpret_cast<PixelsFn>(Find("gdk_pixbuf_get_pixels"))),
        row_stride(reinterpret_cast<IntFn>(Find("gdk_pixbuf_get_rowstride"))),
        channels(reinterpret_cast<IntFn>(Find("gdk_pixbuf_get_n_channels"))),
        unref(reinterpret_cast<UnrefFn>(Find("g_object_unref"))) {}

  static void* Find(const char* name) { return dlsym(RTLD_DEFAULT, name); }
  bool IsOk() const {
    return root_window && from_window && pixels && row_stride && channels && unref;
  }

  RootWindowFn root_window;
  FromWindowFn from_window;
  PixelsFn pixels;
  IntFn row_stride;
  IntFn channels;
  UnrefFn unref;
};

}  // namespace

// The toolkit's screen device context may hand back an older picture of
// the screen on GTK 3 after the first read; GDK reads the X server's pixels
// as they are now.
wxImage CaptureScreen(const wxRect& area) {
  static const Gdk gdk;
  wxImage image(area.width, area.height, true);
  if (!gdk.IsOk()) {
    ADD_FAILURE() << "GDK is not loaded; the screen cannot be read";
    return image;
  }
  void* pixbuf = gdk.from_window(gdk.root_window(), area.x, area.y, area.width, area.height);
  if (pixbuf == nullptr) {
    ADD_FAILURE() << "reading the screen failed";
    return image;
  }
  const unsigned char* data = gdk.pixels(pixbuf);
  const int stride = gdk.row_stride(pixbuf);
  const int step = gdk.channels(pixbuf);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const unsigned char* p = data + y * stride + x * step;
      image.SetRGB(x, y, p[0], p[1], p[2]);
    }
  }
  gdk.unref(pixbuf);
  return image;
}

wxImage CaptureClientArea(wxWindow* window) {
  return CaptureScreen(wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize()));
}

}  // namespace screencap
