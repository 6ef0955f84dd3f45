// The inspection service: page counts, open checks and preview rendering on
// PDFs the tests make themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "domain/service/pdf_service.h"
#include "support/temp_home.h"
#include "support/test_pdf.h"

namespace {

class PdfServiceInspect : public testing::Test {
 protected:
  void SetUp() override {
    service_ = CreatePdf2xxService("/nowhere");
    ASSERT_NE(nullptr, service_);
    dir_ = testsupport::MakeScratchDir("inspect");
  }
  void TearDown() override { FreePdf2xxService(service_); }

  std::string MakePdf(const std::string& name, const testsupport::TestPdfOptions& options) {
    const std::string path = dir_ + "/" + name;
    EXPECT_TRUE(testsupport::MakeTestPdf(path, options));
    return path;
  }

  Pdf2xxService* service_ = nullptr;
  std::string dir_;
};

struct Pixels {
  unsigned char* data = nullptr;
  int width = 0;
  int height = 0;
  ~Pixels() { std::free(data); }
  const unsigned char* At(int x, int y) const { return data + (static_cast<size_t>(y) * width + x) * 3; }
};

TEST_F(PdfServiceInspect, CountsPagesAndOpensReadableFiles) {
  testsupport::TestPdfOptions options;
  options.page_count = 12;
  options.mixed_sizes = true;
  options.image = true;
  const std::string pdf = MakePdf("twelve pages.pdf", options);
  EXPECT_EQ(12, service_->page_count(service_, pdf.c_str(), 0));
  const PdfOpenResult opened = service_->open_check(service_, pdf.c_str());
  EXPECT_NE(0, opened.readable);
  EXPECT_EQ(PDF_OK, opened.error);

  const std::string repaired = dir_ + "/broken xref.pdf";
  ASSERT_TRUE(testsupport::MakeRepairablePdf(repaired, 3));
  EXPECT_EQ(3, service_->page_count(service_, repaired.c_str(), 0));
  EXPECT_NE(0, service_->open_check(service_, repaired.c_str()).readable);
}

TEST_F(PdfServiceInspect, TellsWhyAFileCannotBeRead) {
  testsupport::TestPdfOptions locked;
  locked.user_password = "secret";
  const std::string encrypted = MakePdf("locked.pdf", locked);
  const std::string damaged = dir_ + "/damaged.pdf";
  ASSERT_TRUE(testsupport::MakeDamagedPdf(damaged));
  const std::string empty = dir_ + "/x.pdf";
  ASSERT_TRUE(testsupport::MakeEmptyFile(empty));
  const std::string text = dir_ + "/notes.pdf";
  ASSERT_TRUE(testsupport::MakeTextFile(text));

  const struct {
    std::string path;
    int error;
  } cases[] = {
      {encrypted, PDF_ERR_PASSWORD},
      {damaged, PDF_ERR_DAMAGED},
      {empty, PDF_ERR_NOT_PDF},
      {text, PDF_ERR_NOT_PDF},
      {dir_ + "/missing.pdf", PDF_ERR_NO_FILE},
      {dir_, PDF_ERR_NO_FILE},
  };
  for (const auto& c : cases) {
    const PdfOpenResult opened = service_->open_check(service_, c.path.c_str());
    EXPECT_EQ(0, opened.readable) << c.path;
    EXPECT_EQ(c.error, opened.error) << c.path;
    EXPECT_GE(0, service_->page_count(service_, c.path.c_str(), 0)) << c.path;
    int width = -1;
    int height = -1;
    EXPECT_EQ(nullptr, service_->render_page(service_, c.path.c_str(), 1, 0, 0, &width, &height));
    EXPECT_EQ(0, width);
    EXPECT_EQ(0, height);
  }
}

TEST_F(PdfServiceInspect, RendersAPageAtPreviewResolution) {
  testsupport::TestPdfOptions options;
  options.page_count = 3;
  options.mixed_sizes = true;
  const std::string pdf = MakePdf("Größe €.pdf", options);

  // No box: 96 dpi.  A4 is 595 x 842 pt: 793.3 x 1122.7 px, rounded up.
  Pixels a4;
  a4.data = service_->render_page(service_, pdf.c_str(), 1, 0, 0, &a4.width, &a4.height);
  ASSERT_NE(nullptr, a4.data);
  EXPECT_EQ(794, a4.width);
  EXPECT_EQ(1123, a4.height);
  // The red rectangle sits in the bottom-left corner (PDF y grows upwards),
  // the top-right corner is blank paper.
  const unsigned char* red = a4.At(60, a4.height - 60);
  EXPECT_GT(red[0], 240);
  EXPECT_LT(red[1], 20);
  EXPECT_LT(red[2], 20);
  const unsigned char* paper = a4.At(a4.width - 5, 5);
  EXPECT_EQ(255, paper[0]);
  EXPECT_EQ(255, paper[1]);
  EXPECT_EQ(255, paper[2]);
  // The black title text leaves dark pixels in the top band.
  int dark = 0;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < a4.width / 2; ++x) dark += a4.At(x, y)[0] < 64 ? 1 : 0;
  }
  EXPECT_GT(dark, 100);

  // Landscape Letter fitted into a 400 x 400 box keeps its proportions.
  Pixels letter;
  letter.data = service_->render_page(service_, pdf.c_str(), 2, 400, 400, &letter.width, &letter.height);
  ASSERT_NE(nullptr, letter.data);
  EXPECT_EQ(400, letter.width);
  EXPECT_NEAR(400.0 * 612 / 792, letter.height, 1.0);
}

TEST_F(PdfServiceInspect, PosterPagesGetAPreviewSizedRender) {
  testsupport::TestPdfOptions poster;
  poster.width_pt = 14400;  // 200 x 100 inches, the largest a PDF page may be
  poster.height_pt = 7200;
  const std::string pdf = MakePdf("poster.pdf", poster);
  Pixels pixels;
  pixels.data = service_->render_page(service_, pdf.c_str(), 1, 0, 0, &pixels.width, &pixels.height);
  ASSERT_NE(nullptr, pixels.data);
  EXPECT_EQ(4096, pixels.width);
  EXPECT_EQ(2048, pixels.height);
}

TEST_F(PdfServiceInspect, RefusesPagesOutsideTheDocument) {
  const std::string pdf = MakePdf("two.pdf", [] {
    testsupport::TestPdfOptions options;
    options.page_count = 2;
    return options;
  }());
  for (int page : {0, -1, 3, 1000}) {
    int width = -1;
    int height = -1;
    EXPECT_EQ(nullptr, service_->render_page(service_, pdf.c_str(), page, 0, 0, &width, &height)) << page;
    EXPECT_EQ(0, width);
  }
  EXPECT_EQ(nullptr, service_->render_page(service_, nullptr, 1, 0, 0, nullptr, nullptr));
  EXPECT_EQ(0, service_->open_check(service_, nullptr).readable);
}

}  // namespace
