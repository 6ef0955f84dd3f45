// The option value table: small integer keys to texts through which the
// panes and the conversion share their current choices.
//   1 output folder, 2 save next to the source ("1"/"0"),
//   6 output type index for new rows, 9 status column index;
//   0 the source folder as loaded from the settings file.
// Reading an absent key inserts it with empty text.  Guarded by a mutex:
// worker threads read it while the interface thread may insert keys.
#ifndef TARNLY_DOMAIN_DOMAIN_OPTION_VALUES_H
#define TARNLY_DOMAIN_DOMAIN_OPTION_VALUES_H

#include <wx/string.h>

enum OptionKey {
  OPTION_SOURCE_DIR = 0,
  OPTION_OUTPUT_DIR = 1,
  OPTION_SAVE_IN_SOURCE_DIR = 2,
  OPTION_OUTPUT_TYPE = 6,
  OPTION_STATUS_COLUMN = 9
};

class DomainOptionValues {
 public:
  virtual ~DomainOptionValues() = default;

  static wxString Get(int key);
  // Plain text-to-int conversion: empty or non-numeric text reads as 0.
  static int GetInt(int key);
  static void Set(int key, const wxString& value);
  static void SetInt(int key, int value);
  static bool Has(int key);
};

#endif
