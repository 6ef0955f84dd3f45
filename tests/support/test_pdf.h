// Small PDFs for tests, written with MuPDF so no fixture files are needed.
//
//   testsupport::TestPdfOptions options;
//   options.page_count = 12;
//   options.mixed_sizes = true;
//   ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/doc.pdf", options));
//
// Every page carries, by default, a big black "Page N" in Helvetica and a few
// filled and stroked vector shapes; `image` adds an embedded 64 x 64 RGB
// gradient.  The helpers return false (and write nothing useful) when MuPDF
// fails; paths are UTF-8.
#ifndef TARNLY_TESTS_SUPPORT_TEST_PDF_H
#define TARNLY_TESTS_SUPPORT_TEST_PDF_H

#include <string>

namespace testsupport {

struct TestPdfOptions {
  int page_count = 1;
  // Page size in points (1/72 inch) for every page; A4 portrait by default.
  double width_pt = 595.0;
  double height_pt = 842.0;
  // Cycle through A4 portrait, US Letter landscape and a small 144 x 216
  // page (see TestPdfPageSize) instead of one size for every page.
  bool mixed_sizes = false;
  bool text = true;              // "Page N" near the top of the page
  bool drawing = true;           // filled rectangles, a stroked line and a curve
  bool image = false;            // an embedded 64 x 64 RGB gradient image
  bool full_page_image = false;  // the gradient image stretched over the whole page
  // Adds this many tiny filled, semi-transparent circles to every page: a
  // page that takes long to render (for stop and progress tests).
  int slow_shapes = 0;
  // Non-empty: the file is AES-256 encrypted and needs this password to open.
  std::string user_password;
};

struct TestPdfPageSize {
  double width_pt;
  double height_pt;
};

// The size the page `page_index` (counted from 0) gets with `options`.
TestPdfPageSize TestPdfPageSizeOf(const TestPdfOptions& options, int page_index);

bool MakeTestPdf(const std::string& path, const TestPdfOptions& options = TestPdfOptions());

// A file that starts like a PDF but holds no readable object: no page tree
// can be recovered from it.
bool MakeDamagedPdf(const std::string& path);

// dir + "/" + name written as a plain PDF of `pages` pages; the test fails
// (and the path is still returned) when it cannot be written.
std::string MakePdfInDir(const std::string& dir, const std::string& name, int pages);

// A valid PDF whose cross-reference table points at the wrong places; readers
// have to rebuild it by scanning the file (MuPDF repairs it silently).
bool MakeRepairablePdf(const std::string& path, int page_count);

// A zero-byte file.
bool MakeEmptyFile(const std::string& path);

// A plain text file (useful under a ".pdf" name).
bool MakeTextFile(const std::string& path);

}  // namespace testsupport

#endif
