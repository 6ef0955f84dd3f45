// Packs the rasterised theme pictures into the theme archive, the same
// bytes on every build: entries in the given order (the build sorts them),
// one fixed time stamp, no file-system extras such as access or change
// times, fixed compression.
// Usage: theme_pack <archive> <folder of the pictures> <entry>...
#include <wx/datetime.h>
#include <wx/init.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s <archive> <folder> <entry>...\n", argv[0]);
    return 2;
  }
  wxInitializer initializer;
  if (!initializer.IsOk()) return 1;
  const wxString archive = wxString::FromUTF8(argv[1]);
  const wxString folder = wxString::FromUTF8(argv[2]);
  wxFFileOutputStream file(archive);
  if (!file.IsOk()) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  wxZipOutputStream zip(file, 9);
  const wxDateTime stamp(1, wxDateTime::Jan, 2024, 0, 0, 0);
  for (int i = 3; i < argc; ++i) {
    const wxString entry_name = wxString::FromUTF8(argv[i]);
    wxFFileInputStream picture(folder + "/" + entry_name);
    if (!picture.IsOk()) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    auto* entry = new wxZipEntry(entry_name, stamp);
    entry->SetSystemMadeBy(wxZIP_SYSTEM_UNIX);
    entry->SetMode(0644);
    if (!zip.PutNextEntry(entry) || !zip.Write(picture).IsOk()) {
      std::fprintf(stderr, "cannot pack %s\n", argv[i]);
      return 1;
    }
  }
  if (!zip.Close() || !file.Close()) {
    std::fprintf(stderr, "cannot finish %s\n", argv[1]);
    return 1;
  }
  return 0;
}
