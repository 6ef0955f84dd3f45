// Page lists the conversion receives and the names of the files it writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/service/domain_conversion_run.h"
#include "domain/service/domain_page_list.h"
#include "domain/service/domain_pdf_document.h"

namespace {

struct PageListCase {
  const char* text;
  int page_count;
  bool valid;
  std::vector<int> pages;
};

TEST(PdfServicePageList, ParsesValidListsAndRefusesTheRest) {
  const PageListCase cases[] = {
      {"1,3,4,5-10", 10, true, {1, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"2-4", 10, true, {2, 3, 4}},
      {"7", 10, true, {7}},
      {"3,1,3,2-3", 10, true, {3, 1, 3, 2, 3}},  // order and repeats kept
      {" 1 , 2 - 3 ", 10, true, {1, 2, 3}},
      {"4-4", 10, true, {4}},
      {"10", 10, true, {10}},
      {"", 10, false, {}},
      {"0", 10, false, {}},
      {"11", 10, false, {}},
      {"3-12", 10, false, {}},
      {"5-3", 10, false, {}},
      {"1-2-3", 10, false, {}},
      {"7,,8", 10, false, {}},
      {"1,", 10, false, {}},
      {",1", 10, false, {}},
      {"-3", 10, false, {}},
      {"+3", 10, false, {}},
      {"2-", 10, false, {}},
      {"1;2", 10, false, {}},
      {"2-4 abc", 10, false, {}},
      {"99999999999999999999", 10, false, {}},
      {"1", 0, false, {}},
  };
  for (const PageListCase& c : cases) {
    std::vector<int> pages = {42};
    EXPECT_EQ(c.valid, DomainPageList::Parse(c.text, c.page_count, &pages)) << '"' << c.text << '"';
    EXPECT_EQ(c.pages, pages) << '"' << c.text << '"';
  }
  std::vector<int> pages;
  EXPECT_FALSE(DomainPageList::Parse(nullptr, 10, &pages));
}

TEST(PdfServicePageList, ImageNamesArePaddedToThePageCountDigits) {
  struct NameCase {
    const char* source;
    int page;
    int page_count;
    const char* extension;
    const char* expected;
  };
  const NameCase cases[] = {
      {"/a/report.pdf", 3, 9, "png", "report-3.png"},
      {"/a/report.pdf", 3, 12, "jpg", "report-03.jpg"},
      {"/a/report.pdf", 12, 12, "jpg", "report-12.jpg"},
      {"/a/report.pdf", 7, 345, "tif", "report-007.tif"},
      {"/a/my.report.v2.PDF", 1, 1, "gif", "my.report.v2-1.gif"},
      {"/a/b c/Überblick ünd.pdf", 2, 10, "bmp", "Überblick ünd-02.bmp"},
      {"noextension", 1, 1, "png", "noextension-1.png"},
      {"/a/.pdf", 1, 1, "png", ".pdf-1.png"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(c.expected, DomainConversionRun::ImageFileName(c.source, c.page, c.page_count, c.extension));
  }
}

}  // namespace

namespace {

TEST(PdfServicePixelCap, HugePagesGetALowerResolutionInsteadOfRunningOutOfMemory) {
  const double at150 = 150.0 / 72;
  // A4 at 150 dpi is far below the cap and keeps its resolution.
  EXPECT_DOUBLE_EQ(at150, DomainPdfDocument::CappedZoom(at150, 595, 842));
  // A 200 x 200 inch page (the largest PDF allows) would be 900 megapixels.
  const double zoom = DomainPdfDocument::CappedZoom(at150, 14400, 14400);
  EXPECT_LT(zoom, at150);
  EXPECT_NEAR(DomainPdfDocument::kMaxPixels, 14400 * zoom * 14400 * zoom, 1e3);
  // A long thin strip stays within the longest side a JPEG or GIF can hold.
  const double strip = DomainPdfDocument::CappedZoom(at150, 100000, 10);
  EXPECT_LE(100000 * strip, DomainPdfDocument::kMaxSide + 1e-6);
}

}  // namespace
