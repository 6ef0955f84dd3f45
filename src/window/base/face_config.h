// The face description: a process-wide table of four-integer entries read
// from "Themes/face.xml", keyed by element paths such as
// "/face/titlebar/logo".  The asking window decides whether an entry is a
// rectangle, a position, a colour or a font size.
#ifndef TARNLY_WINDOW_BASE_FACE_CONFIG_H
#define TARNLY_WINDOW_BASE_FACE_CONFIG_H

#include <map>
#include <string>

#include <wx/string.h>

struct FaceRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

using FaceTable = std::map<std::string, FaceRect>;

// The table itself (ordered, case-sensitive keys).  Filled only by LoadFace.
FaceTable& GetFaceTable();

// Reads the face description at `path` into the table.  Returns -1 when the
// file cannot be opened, 0 otherwise (also for malformed XML, which is
// reported in one line on standard error naming the line and the path).
int LoadFace(const wxString& path);

// The entry under `key`.  A key the description does not define yields an
// all-zero entry and one line on standard error naming it (once per key).
// The reference stays valid for the life of the process.
const FaceRect& GetFaceRect(const wxString& key);

#endif
