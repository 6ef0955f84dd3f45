// The program's conversion driver: writes the selected pages of each row's
// PDF as JPG, TIF, PNG, BMP or GIF images into a fresh output folder and
// reports progress and the final state of each row to the file list.
#ifndef TARNLY_DOMAIN_DOMAIN_CONVERT_RAZ2ODAVO_H
#define TARNLY_DOMAIN_DOMAIN_CONVERT_RAZ2ODAVO_H

#include <chrono>

#include "domain/domain_convert_pdf.h"

struct PdfService;

class DomainConvertRAZ2ODAVO : public DomainConvertPDF {
 public:
  // Shortest gap between two progress events of one row: a window cannot
  // draw faster than this anyway, and a flood would starve its input.
  static constexpr int kProgressIntervalMs = 50;

  DomainConvertRAZ2ODAVO() = default;
  ~DomainConvertRAZ2ODAVO() override;

  wxString GetTargetExtension() override;
  int ConvertRows(DomainTaskRecord& record) override;

  // The library's format code for an output type index (JPG, TIF, PNG,
  // BMP, GIF in chooser order); -1 outside the table.
  static int FormatCodeOf(int output_type);
  // The output type index of a row's text; -1 when it is no index.
  static int ParseOutputType(const wxString& text);
  // The percent shown while the library works on page `done` of `total`:
  // two steps per finished page out of 2 * total + 1, so it grows with the
  // pages up to 99 and stays below 100, which only a finished row shows.
  static int ProgressPercent(int done, int total);

 private:
  // Where the library reports on one row, on the conversion thread's stack.
  struct ProgressContext {
    DomainConvertRAZ2ODAVO* driver;
    int row;
    int status_column;
    int last_percent;
    std::chrono::steady_clock::time_point last_sent;
  };

  // Converts one row and reports its final state; returns the library's
  // result code (or the driver's own for a row it cannot hand over).
  int ConvertRow(PdfService* imager, int row, const wxArrayString& texts, int status_column);
  wxString OutputFolderFor(const wxArrayString& texts);
  static int OnProgress(void* context, int done, int total);
};

#endif
