#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_util.h"
#include "domain/domain_source_types.h"
#include "support/temp_home.h"

TEST(SourceTypes, TextsOfTheFileDialogAndTheFolderScan) {
  EXPECT_EQ(DomainSourceTypes::GetFileFilter(), "PDF files(*.pdf)|*.pdf;");
  EXPECT_EQ(DomainSourceTypes::GetFilterDescription(), "PDF files(*.pdf)");
  ASSERT_EQ(DomainSourceTypes::GetFileMasks().size(), 1u);
  EXPECT_EQ(DomainSourceTypes::GetFileMasks()[0], "*.pdf");
  EXPECT_EQ(DomainSourceTypes::GetTargetExtension(), "");
}

TEST(SourceTypes, ChosenFilesAreTestedByTheirLowerCasedExtension) {
  const struct {
    const char* path;
    bool accepted;
  } cases[] = {
      {"/docs/report.PDF", true}, {"/docs/report.pdf", true},   {"/docs/report.pdf.bak", false},
      {"/docs/report", false},    {"/docs.pdf/report", false},  {"C:\\docs\\a.Pdf", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DomainSourceTypes::IsSupportedExtension(DomainSourceTypes::ExtensionOf(c.path)), c.accepted) << c.path;
  // The test itself compares exactly: callers lower-case first.
  EXPECT_FALSE(DomainSourceTypes::IsSupportedExtension("PDF"));
  EXPECT_FALSE(DomainSourceTypes::IsSupportedExtension("pd"));
  EXPECT_FALSE(DomainSourceTypes::IsSupportedExtension(""));
}

TEST(SourceTypes, TheFolderScanTakesUpperCaseFilesButNoSubFolders) {
  const std::string dir = testsupport::MakeScratchDir("scan");
  testsupport::WriteWholeFile(dir + "/report.PDF", "x");
  std::filesystem::create_directory(dir + "/old.pdf");
  wxArrayString files;
  for (const wxString& mask : DomainSourceTypes::GetFileMasks())
    FileUtil::ListFilesWithExtension(wxString::FromUTF8(dir), files, mask);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_TRUE(files[0].EndsWith("/report.PDF"));
}
