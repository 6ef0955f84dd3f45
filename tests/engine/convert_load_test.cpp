// Loading PDF files and folders into file list rows, through the real PDF
// service on PDFs made by the tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <wx/filename.h>

#include "common/file_util.h"
#include "domain/domain_convert_raz2odavo.h"
#include "domain/domain_events.h"
#include "domain/domain_option_values.h"
#include "support/event_recorder.h"
#include "support/temp_home.h"
#include "support/test_pdf.h"

namespace {

using Column = DomainConvertPDF::Column;

wxString U(const std::string& text) { return wxString::FromUTF8(text); }

std::string MakePdf(const std::string& dir, const std::string& name, int pages) {
  return testsupport::MakePdfInDir(dir, name, pages);
}

class ConvertLoad : public testing::Test {
 protected:
  void SetUp() override { DomainOptionValues::Set(OPTION_OUTPUT_TYPE, "2"); }
  DomainConvertRAZ2ODAVO driver_;
};

TEST_F(ConvertLoad, TwelvePagePdfGivesAllNineColumnTexts) {
  const std::string dir = testsupport::MakeScratchDir("twelve");
  const std::string path = MakePdf(dir, "report.pdf", 12);

  const auto rows = driver_.LoadFiles(U(path));
  ASSERT_EQ(rows->GetCount(), 1u);
  const FileRowInfo& row = (*rows)[0];
  EXPECT_EQ(row.GetState(), FileRowInfo::kReady);
  EXPECT_TRUE(row.GetAdd());
  EXPECT_EQ(row.GetPath(), U(path));
  EXPECT_EQ(row.GetSize(), wxFileName::GetSize(U(path)).GetValue());
  ASSERT_EQ(row.GetTexts().GetCount(), static_cast<size_t>(Column::kColumnCount));
  EXPECT_EQ(row.GetText(Column::kColumnFileName), "report.pdf");
  EXPECT_EQ(row.GetText(Column::kColumnSize), FileUtil::FormatSize(row.GetSize()));
  EXPECT_EQ(row.GetText(Column::kColumnTotalPages), "12");
  EXPECT_EQ(row.GetText(Column::kColumnOutputType), "2");
  EXPECT_EQ(row.GetText(Column::kColumnSelectedPage), "1-12");
  EXPECT_EQ(row.GetText(Column::kColumnStatus), "Not Converted");
  EXPECT_EQ(row.GetText(Column::kColumnSourcePath), U(path));
  EXPECT_EQ(row.GetText(Column::kColumnSourceDir), U(dir));
  EXPECT_EQ(row.GetText(Column::kColumnOutputName), "report");
}

TEST_F(ConvertLoad, ProblemFilesAreMarkedAndKeepEmptyPageColumns) {
  const std::string dir = testsupport::MakeScratchDir("problems");
  ASSERT_TRUE(testsupport::MakeTextFile(dir + "/notes.pdf"));
  ASSERT_TRUE(testsupport::MakeEmptyFile(dir + "/x.pdf"));
  ASSERT_TRUE(testsupport::MakeDamagedPdf(dir + "/damaged.pdf"));
  testsupport::TestPdfOptions locked;
  locked.user_password = "secret";
  ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/locked.pdf", locked));

  struct Case {
    std::string name;
    int state;
    const char* size_text;  // null: not checked
  };
  const Case cases[] = {
      {"notes.pdf", FileRowInfo::kUnreadable, nullptr},
      {"x.pdf", FileRowInfo::kEmptyFile, "0.0B"},
      {"damaged.pdf", FileRowInfo::kUnreadable, nullptr},
      {"locked.pdf", FileRowInfo::kUnreadable, nullptr},
      {"missing.pdf", FileRowInfo::kUnreadable, "0.0B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto rows = driver_.LoadFiles(U(dir + "/" + c.name));
    ASSERT_EQ(rows->GetCount(), 1u);
    const FileRowInfo& row = (*rows)[0];
    EXPECT_EQ(row.GetState(), c.state);
    EXPECT_TRUE(row.GetAdd());
    EXPECT_EQ(row.GetText(Column::kColumnTotalPages), "");
    EXPECT_EQ(row.GetText(Column::kColumnSelectedPage), "");
    EXPECT_EQ(row.GetText(Column::kColumnFileName), U(c.name));
    if (c.size_text != nullptr) {
      EXPECT_EQ(row.GetText(Column::kColumnSize), c.size_text);
    }
  }
}

TEST_F(ConvertLoad, BarsSeparatePathsAndOnlyATrailingEmptyPieceIsDropped) {
  const std::string dir = testsupport::MakeScratchDir("bars");
  const wxString a = U(MakePdf(dir, "a.pdf", 1));
  const wxString b = U(MakePdf(dir, "b.pdf", 2));

  const auto two = driver_.LoadFiles(a + "|" + b + "|");
  ASSERT_EQ(two->GetCount(), 2u);
  EXPECT_EQ((*two)[0].GetPath(), a);
  EXPECT_EQ((*two)[1].GetText(Column::kColumnTotalPages), "2");

  const auto three = driver_.LoadFiles(a + "||" + b);
  ASSERT_EQ(three->GetCount(), 3u);
  EXPECT_EQ((*three)[1].GetPath(), "");
  EXPECT_EQ((*three)[1].GetState(), FileRowInfo::kUnreadable);
  EXPECT_EQ((*three)[2].GetPath(), b);

  EXPECT_EQ(driver_.LoadFiles("")->GetCount(), 0u);
}

TEST_F(ConvertLoad, SourceTypeTexts) {
  EXPECT_EQ(driver_.GetFileFilter(), "PDF files(*.pdf)|*.pdf;");
  EXPECT_EQ(driver_.GetFilterDescription(), "PDF files(*.pdf)");
  ASSERT_EQ(driver_.GetFileMasks().GetCount(), 1u);
  EXPECT_EQ(driver_.GetFileMasks()[0], "*.pdf");
  EXPECT_TRUE(driver_.IsSupportedExtension("pdf"));
  EXPECT_FALSE(driver_.IsSupportedExtension("PDF"));
  EXPECT_FALSE(driver_.IsSupportedExtension("pd"));
  EXPECT_EQ(driver_.GetTargetExtension(), "");
  EXPECT_FALSE(driver_.WantsPolling());
}

TEST_F(ConvertLoad, RenderPageFitsThePageIntoTheBoxAndFailsOnAMissingFile) {
  const std::string dir = testsupport::MakeScratchDir("render");
  const std::string path = MakePdf(dir, "preview.pdf", 2);
  int width = 0, height = 0;
  unsigned char* pixels = driver_.RenderPage(U(path), 2, 200, 200, &width, &height);
  ASSERT_NE(pixels, nullptr);
  free(pixels);
  EXPECT_EQ(height, 200) << "A4 portrait fills the box's height";
  EXPECT_NEAR(width, 200 * 595 / 842, 1);
  EXPECT_EQ(driver_.RenderPage(U(dir + "/missing.pdf"), 1, 200, 200, &width, &height), nullptr);
}

// The folder task delivered the way the file list gets it: queued to a
// plain handler and processed as an event loop would.
TEST_F(ConvertLoad, FolderGivesOneEventWithItsPdfFilesOnly) {
  const std::string dir = testsupport::MakeScratchDir("folder");
  MakePdf(dir, "y.PDF", 3);
  MakePdf(dir, "x.pdf", 1);
  testsupport::WriteWholeFile(dir + "/notes.txt", "not a pdf");
  wxFileName::Mkdir(U(dir + "/old.pdf"));

  wxEvtHandler list;
  std::vector<std::unique_ptr<FileRowArray>> received;
  std::vector<int> ids, ints;
  list.Bind(wxEventTypeTag<wxCommandEvent>(EVT_FILES_LOADED), [&](wxCommandEvent& event) {
    ids.push_back(event.GetId());
    ints.push_back(event.GetInt());
    received.push_back(FileRowArray::TakeFrom(event));
  });
  driver_.SetOwner(&list, 2006);

  ASSERT_TRUE(driver_.StartLoadFolder(U(dir)));
  ASSERT_TRUE(testsupport::PumpUntil([&] { return !received.empty(); }));
  driver_.WaitForTasks();
  testsupport::DeliverPending();

  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(ids[0], 2006);
  EXPECT_EQ(ints[0], 1);
  ASSERT_TRUE(received[0]);
  ASSERT_EQ(received[0]->GetCount(), 2u);
  EXPECT_EQ((*received[0])[0].GetPath(), U(dir + "/x.pdf"));
  EXPECT_EQ((*received[0])[1].GetPath(), U(dir + "/y.PDF"));
  EXPECT_EQ((*received[0])[1].GetText(Column::kColumnTotalPages), "3");
  driver_.DetachOwner();
}

TEST_F(ConvertLoad, FolderWithoutPdfFilesReportsNothingLoaded) {
  const std::string dir = testsupport::MakeScratchDir("nopdf");
  testsupport::WriteWholeFile(dir + "/readme.txt", "text");
  testsupport::EventRecorder list;
  driver_.SetOwner(&list, 7);

  ASSERT_TRUE(driver_.StartLoadFolder(U(dir)));
  ASSERT_TRUE(list.WaitForCount(EVT_FILES_LOADED, 1));
  driver_.WaitForTasks();
  const auto events = list.Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].int_value, 0);
  EXPECT_FALSE(events[0].rows);
  driver_.DetachOwner();
}

TEST_F(ConvertLoad, FilesTaskSendsItsRowsToTheOwner) {
  const std::string dir = testsupport::MakeScratchDir("files-task");
  const wxString a = U(MakePdf(dir, "a.pdf", 4));
  testsupport::EventRecorder list;
  driver_.SetOwner(&list, 2006);

  ASSERT_TRUE(driver_.StartLoadFiles(a + "|" + U(dir + "/gone.pdf") + "|"));
  ASSERT_TRUE(list.WaitForCount(EVT_FILES_LOADED, 1));
  driver_.WaitForTasks();
  const auto events = list.Events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].id, 2006);
  EXPECT_EQ(events[0].int_value, 1);
  ASSERT_TRUE(events[0].rows);
  ASSERT_EQ(events[0].rows->GetCount(), 2u);
  EXPECT_EQ((*events[0].rows)[0].GetText(Column::kColumnSelectedPage), "1-4");
  EXPECT_EQ((*events[0].rows)[1].GetState(), FileRowInfo::kUnreadable);
  driver_.DetachOwner();
}

}  // namespace
