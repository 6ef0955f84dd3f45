#include "gui/skin_base_test_util.h"

#include <dlfcn.h>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/window.h>
#include <wx/utils.h>

namespace skintest {

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    // The tests run without a main loop; wxYield makes a temporary one.
    wxTheApp->ProcessPendingEvents();
    wxYield();
    // Idle time is also when destroyed windows really go away.
    wxTheApp->ProcessIdle();
    wxMilliSleep(10);
  }
}

wxImage CaptureClientArea(wxWindow* window) {
  // The toolkit's screen device context may hand back an older picture of
  // the screen on GTK 3; GDK reads the X server's pixels as they are now.
  // It is looked up at run time as the tests do not build against GTK.
  using RootWindowFn = void* (*)();
  using FromWindowFn = void* (*)(void*, int, int, int, int);
  using PixelsFn = unsigned char* (*)(void*);
  using IntFn = int (*)(void*);
  using UnrefFn = void (*)(void*);
  static const auto root_window =
      reinterpret_cast<RootWindowFn>(dlsym(RTLD_DEFAULT, "gdk_get_default_root_window"));
  static const auto from_window =
      reinterpret_cast<FromWindowFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_from_window"));
  static const auto pixels = reinterpret_cast<PixelsFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_pixels"));
  static const auto row_stride =
      reinterpret_cast<IntFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_rowstride"));
  static const auto channels =
      reinterpret_cast<IntFn>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_n_channels"));
  static const auto unref = reinterpret_cast<UnrefFn>(dlsym(RTLD_DEFAULT, "g_object_unref"));

  const wxSize size = window->GetClientSize();
  const wxPoint origin = window->ClientToScreen(wxPoint(0, 0));
  wxImage image(size.x, size.y, true);
  if (!root_window || !from_window || !pixels || !row_stride || !channels || !unref) {
    ADD_FAILURE() << "GDK is not loaded; the screen cannot be read";
    return image;
  }
  void* pixbuf = from_window(root_window(), origin.x, origin.y, size.x, size.y);
  if (!pixbuf) {
    ADD_FAILURE() << "reading the screen failed";
    return image;
  }
  const unsigned char* data = pixels(pixbuf);
  const int stride = row_stride(pixbuf);
  const int step = channels(pixbuf);
  for (int y = 0; y < size.y; ++y)
    for (int x = 0; x < size.x; ++x) {
      const unsigned char* p = data + y * stride + x * step;
      image.SetRGB(x, y, p[0], p[1], p[2]);
    }
  unref(pixbuf);
  return image;
}

}  // namespace skintest
