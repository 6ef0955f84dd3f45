// The driver for PDF source files: the PDF file types, loading PDF files
// into file list rows with their page counts, the accessors that read a
// row's texts during a conversion, and Stop.  It shares the process-wide
// PDF inspection service with every other PDF driver.
#ifndef TARNLY_DOMAIN_DOMAIN_CONVERT_PDF_H
#define TARNLY_DOMAIN_DOMAIN_CONVERT_PDF_H

#include "domain/domain_convert.h"

struct Pdf2xxService;

class DomainConvertPDF : public DomainConvert {
 public:
  // File list columns of a PDF row, in order.
  enum Column {
    kColumnFileName = 0,
    kColumnSize = 1,
    kColumnTotalPages = 2,
    kColumnOutputType = 3,
    kColumnSelectedPage = 4,
    kColumnStatus = 5,
    kColumnSourcePath = 6,
    kColumnSourceDir = 7,
    kColumnOutputName = 8,
    kColumnCount = 9
  };

  DomainConvertPDF();
  ~DomainConvertPDF() override;

  std::unique_ptr<FileRowArray> LoadFiles(const wxString& text) override;
  wxString GetFileFilter() override;
  wxArrayString GetFileMasks() override;
  bool IsSupportedExtension(const wxString& extension) override;
  int Convert(DomainTaskRecord& record) override;
  // Marks the run as stop requested and asks the library to abandon the
  // file it is working on.
  void Stop() override;

  // The page list handed to the conversion library: the selection as is.
  virtual wxString GetPageList(const wxString& selected, const wxString& total_pages);
  // Readers of a job row's texts; empty text for a short row.
  virtual wxString GetOutputName(const wxArrayString& texts);
  virtual wxString GetSourcePath(const wxArrayString& texts);
  virtual wxString GetSourceDir(const wxArrayString& texts);
  virtual wxString GetOutputType(const wxArrayString& texts);
  virtual wxString GetSelectedPages(const wxArrayString& texts);
  virtual wxString GetTotalPages(const wxArrayString& texts);
  // Converts the rows of the job; returns how many converted without error.
  virtual int ConvertRows(DomainTaskRecord& record);

  // Renders one page (from 1) scaled to fit max_width x max_height (both 0:
  // natural size) as RGB bytes allocated with malloc; null on failure.
  unsigned char* RenderPage(const wxString& path, int page, int max_width, int max_height, int* width,
                            int* height);

  // The shared inspection service; null when it could not be created.
  static Pdf2xxService* GetService();

 protected:
  // One row for `path`, with the nine column texts and its state.
  FileRowInfo LoadRow(const wxString& path);
};

#endif
