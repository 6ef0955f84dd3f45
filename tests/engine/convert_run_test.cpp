// Conversion runs through the real PDF service: folders of images, the
// event stream the file list receives, stop requests and the run log.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>

#include "common/file_util.h"
#include "domain/dh_grid_cell_render_command_event.h"
#include "domain/domain_convert_raz2odavo.h"
#include "domain/domain_events.h"
#include "domain/domain_option_values.h"
#include "domain/domain_run_state.h"
#include "domain/service/pdf_service.h"
#include "support/event_recorder.h"
#include "support/temp_home.h"
#include "support/test_pdf.h"

namespace {

using testsupport::RecordedEvent;
using Column = DomainConvertPDF::Column;

constexpr int kListId = 2006;
constexpr int kStatusColumn = 5;

wxString U(const std::string& text) { return wxString::FromUTF8(text); }

std::string MakePdf(const std::string& dir, const std::string& name, int pages) {
  return testsupport::MakePdfInDir(dir, name, pages);
}

// The files directly inside `folder`, sorted.
std::vector<wxString> FilesIn(const wxString& folder) {
  std::vector<wxString> files;
  wxDir dir(folder);
  if (!dir.IsOpened()) return files;
  wxString name;
  for (bool found = dir.GetFirst(&name, wxEmptyString, wxDIR_FILES); found; found = dir.GetNext(&name))
    files.push_back(folder + "/" + name);
  std::sort(files.begin(), files.end());
  return files;
}

// The run log lines written after `offset` bytes of today's log.
std::vector<std::string> LogLinesSince(size_t offset) {
  const std::string log = testsupport::ReadWholeFile(std::string(FileUtil::GetLogFile().utf8_str()));
  std::vector<std::string> lines;
  size_t start = std::min(offset, log.size());
  for (size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(log.substr(start, end - start));
  return lines;
}

size_t LogSize() { return testsupport::ReadWholeFile(std::string(FileUtil::GetLogFile().utf8_str())).size(); }

// "# HH:MM:SS " is the writer's; the rest is the entry.
std::string EntryOf(const std::string& line) { return line.size() > 11 ? line.substr(11) : line; }

class ConvertRun : public testing::Test {
 protected:
  static void SetUpTestSuite() { wxInitAllImageHandlers(); }

  void SetUp() override {
    source_dir_ = testsupport::MakeScratchDir("sources");
    out_dir_ = testsupport::MakeScratchDir("out");
    DomainOptionValues::Set(OPTION_OUTPUT_DIR, U(out_dir_));
    DomainOptionValues::Set(OPTION_SAVE_IN_SOURCE_DIR, "0");
    DomainOptionValues::SetInt(OPTION_STATUS_COLUMN, kStatusColumn);
    DomainOptionValues::Set(OPTION_OUTPUT_TYPE, "0");
    driver_.SetOwner(&list_, kListId);
  }
  void TearDown() override { driver_.DetachOwner(); }

  // A job row as the file list builds it: the loaded row's texts with the
  // chosen output type and page selection.
  void AddRow(DomainConvertJob& job, int row, const std::string& path, const wxString& type,
              const wxString& pages = wxString()) {
    const auto rows = driver_.LoadFiles(U(path));
    ASSERT_EQ(rows->GetCount(), 1u);
    wxArrayString texts = (*rows)[0].GetTexts();
    texts[Column::kColumnOutputType] = type;
    if (!pages.IsEmpty()) texts[Column::kColumnSelectedPage] = pages;
    job.AddRow(row, texts);
  }

  // Runs the job on a worker and waits for its finished event.
  int Run(std::unique_ptr<DomainConvertJob> job) {
    EXPECT_TRUE(driver_.StartConvert(std::move(job)));
    EXPECT_TRUE(list_.WaitForCount(EVT_CONVERT_FINISHED, 1));
    driver_.WaitForTasks();
    for (const RecordedEvent& event : list_.Events())
      if (event.type == EVT_CONVERT_FINISHED) return event.int_value;
    return -1;
  }

  // Progress below 100 and growing, then exactly one closing 100.
  void ExpectProgressThenDone(int row) {
    SCOPED_TRACE(testing::Message() << "row " << row);
    const auto cells = list_.CellEvents(row);
    ASSERT_GE(cells.size(), 2u) << "at least one progress event and the closing 100";
    int last = -1;
    for (size_t i = 0; i + 1 < cells.size(); ++i) {
      EXPECT_EQ(cells[i].state, DhGridCellRenderCommandEvent::kProgress);
      EXPECT_LT(cells[i].int_value, 100);
      EXPECT_GT(cells[i].int_value, last);
      last = cells[i].int_value;
    }
    EXPECT_EQ(cells.back().state, DhGridCellRenderCommandEvent::kProgress);
    EXPECT_EQ(cells.back().int_value, 100);
    for (const RecordedEvent& cell : cells) {
      EXPECT_EQ(cell.column, kStatusColumn);
      EXPECT_EQ(cell.id, kListId);
    }
  }

  std::string source_dir_;
  std::string out_dir_;
  testsupport::EventRecorder list_;
  DomainConvertRAZ2ODAVO driver_;
};

TEST(ConvertFormats, OutputTypeIndexMapsToTheLibraryCode) {
  const int codes[] = {PDF_FORMAT_JPG, PDF_FORMAT_TIF, PDF_FORMAT_PNG, PDF_FORMAT_BMP, PDF_FORMAT_GIF};
  for (int type = 0; type < 5; ++type) EXPECT_EQ(DomainConvertRAZ2ODAVO::FormatCodeOf(type), codes[type]);
  EXPECT_EQ(DomainConvertRAZ2ODAVO::FormatCodeOf(-1), -1);
  EXPECT_EQ(DomainConvertRAZ2ODAVO::FormatCodeOf(5), -1);
  for (const char* bad : {"", "5", "-1", "x", "2x"}) EXPECT_EQ(DomainConvertRAZ2ODAVO::ParseOutputType(bad), -1) << bad;
}

TEST(ConvertFormats, ProgressPercentGrowsWithThePagesAndStaysBelowHundred) {
  const struct {
    int done, total, percent;
  } cases[] = {{0, 3, 0}, {1, 3, 28}, {3, 3, 85}, {1, 1, 66}, {5, 10, 47}, {9, 3, 85},
               {-1, 3, 0}, {1, 0, 0},  {1000000, 1000000, 99}};
  for (const auto& c : cases)
    EXPECT_EQ(DomainConvertRAZ2ODAVO::ProgressPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
}

TEST_F(ConvertRun, EveryOutputTypeWritesDecodableImagesOfTheSelectedPages) {
  struct Case {
    const char* type;
    wxBitmapType decoder;
  };
  const Case cases[] = {{"0", wxBITMAP_TYPE_JPEG},
                        {"1", wxBITMAP_TYPE_TIFF},
                        {"2", wxBITMAP_TYPE_PNG},
                        {"3", wxBITMAP_TYPE_BMP},
                        {"4", wxBITMAP_TYPE_GIF}};
  auto job = std::make_unique<DomainConvertJob>();
  for (int row = 0; row < 5; ++row) {
    const std::string path = MakePdf(source_dir_, "doc" + std::to_string(row) + ".pdf", 3);
    // Row 2 converts a selection; the others all pages.
    AddRow(*job, row, path, cases[row].type, row == 2 ? "1,3" : "");
  }

  EXPECT_EQ(Run(std::move(job)), 5);
  EXPECT_EQ(list_.Count(EVT_CONVERT_FINISHED), 1);
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(cases[row].type);
    ExpectProgressThenDone(row);
    const auto files = FilesIn(U(out_dir_ + "/doc" + std::to_string(row)));
    ASSERT_EQ(files.size(), row == 2 ? 2u : 3u);
    for (const wxString& file : files) {
      wxLogNull quiet;
      wxImage image;
      ASSERT_TRUE(image.LoadFile(file, cases[row].decoder)) << file;
      // A4 portrait: taller than wide, roughly 1 : 1.414.
      EXPECT_NEAR(static_cast<double>(image.GetHeight()) / image.GetWidth(), 842.0 / 595.0, 0.02);
    }
  }
}

TEST_F(ConvertRun, SameFileTwiceGetsTwoFoldersAndSourceFolderModeWritesBesideEachFile) {
  const std::string path = MakePdf(source_dir_, "twice.pdf", 1);
  auto job = std::make_unique<DomainConvertJob>();
  AddRow(*job, 0, path, "2");
  AddRow(*job, 1, path, "2");
  EXPECT_EQ(Run(std::move(job)), 2);
  EXPECT_EQ(FilesIn(U(out_dir_ + "/twice")).size(), 1u);
  EXPECT_EQ(FilesIn(U(out_dir_ + "/twice(1)")).size(), 1u);

  const std::string first_dir = testsupport::MakeScratchDir("beside-a");
  const std::string second_dir = testsupport::MakeScratchDir("beside-b");
  DomainOptionValues::Set(OPTION_SAVE_IN_SOURCE_DIR, "1");
  DomainOptionValues::Set(OPTION_OUTPUT_DIR, "");
  auto beside = std::make_unique<DomainConvertJob>();
  AddRow(*beside, 0, MakePdf(first_dir, "one.pdf", 2), "3");
  AddRow(*beside, 1, MakePdf(second_dir, "two.pdf", 1), "3");
  testsupport::EventRecorder second_list;
  driver_.SetOwner(&second_list, kListId);
  ASSERT_TRUE(driver_.StartConvert(std::move(beside)));
  ASSERT_TRUE(second_list.WaitForCount(EVT_CONVERT_FINISHED, 1));
  driver_.WaitForTasks();
  EXPECT_EQ(FilesIn(U(first_dir + "/one")).size(), 2u);
  EXPECT_EQ(FilesIn(U(second_dir + "/two")).size(), 1u);
}

TEST_F(ConvertRun, FailedRowsAreReportedAndLoggedAndTheRunGoesOn) {
  ASSERT_TRUE(testsupport::MakeTextFile(source_dir_ + "/fake.pdf"));
  const std::string good = MakePdf(source_dir_, "Übung ü.pdf", 2);
  auto job = std::make_unique<DomainConvertJob>();
  AddRow(*job, 0, source_dir_ + "/fake.pdf", "2");
  AddRow(*job, 1, good, "7");  // no such output type
  AddRow(*job, 2, good, "0");
  const size_t log_start = LogSize();

  EXPECT_EQ(Run(std::move(job)), 1);

  for (int row : {0, 1}) {
    const auto cells = list_.CellEvents(row);
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.back().state, DhGridCellRenderCommandEvent::kFailed) << row;
  }
  ExpectProgressThenDone(2);
  EXPECT_FALSE(wxFileName::DirExists(U(out_dir_ + "/Übung ü(1)")))
      << "a row with an unknown output type leaves no folder";
  EXPECT_EQ(FilesIn(U(out_dir_ + "/Übung ü")).size(), 2u);

  const auto lines = LogLinesSince(log_start);
  ASSERT_EQ(lines.size(), 5u);
  for (const std::string& line : lines) EXPECT_EQ(line.substr(0, 2), "# ");
  EXPECT_EQ(EntryOf(lines[0]), "Begin [] [0]");
  const std::string fake_entry = EntryOf(lines[1]);
  EXPECT_EQ(fake_entry.rfind(source_dir_ + "/fake.pdf [" + out_dir_ + "/fake] [", 0), 0u) << fake_entry;
  EXPECT_NE(fake_entry, source_dir_ + "/fake.pdf [" + out_dir_ + "/fake] [0]") << "nonzero library code";
  // Raw bytes: the non-ASCII path is in UTF-8.
  EXPECT_EQ(EntryOf(lines[2]), good + " [" + out_dir_ + "/Übung ü] [" + std::to_string(PDF_ERR_FORMAT) + "]");
  EXPECT_EQ(EntryOf(lines[3]), good + " [" + out_dir_ + "/Übung ü] [0]");
  EXPECT_EQ(EntryOf(lines[4]), "Finish [] [0]");
}

// Delivered the way the file list gets them: queued and then processed.
TEST_F(ConvertRun, ZeroRowsStillLogBeginAndFinishAndFinishWithZero) {
  wxEvtHandler list;
  std::vector<int> finished;
  list.Bind(wxEventTypeTag<wxCommandEvent>(EVT_CONVERT_FINISHED), [&](wxCommandEvent& event) {
    EXPECT_EQ(event.GetId(), 31);
    finished.push_back(event.GetInt());
  });
  driver_.SetOwner(&list, 31);
  const size_t log_start = LogSize();

  ASSERT_TRUE(driver_.StartConvert(std::make_unique<DomainConvertJob>()));
  ASSERT_TRUE(testsupport::PumpUntil([&] { return !finished.empty(); }));
  driver_.WaitForTasks();

  EXPECT_EQ(finished, std::vector<int>{0});
  const auto lines = LogLinesSince(log_start);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(EntryOf(lines[0]), "Begin [] [0]");
  EXPECT_EQ(EntryOf(lines[1]), "Finish [] [0]");
}

TEST_F(ConvertRun, StopDuringTheSecondOfThreeRowsLeavesTheThirdUntouched) {
  auto job = std::make_unique<DomainConvertJob>();
  AddRow(*job, 0, MakePdf(source_dir_, "first.pdf", 1), "2");
  AddRow(*job, 1, MakePdf(source_dir_, "second.pdf", 60), "2");
  AddRow(*job, 2, MakePdf(source_dir_, "third.pdf", 1), "2");
  const size_t log_start = LogSize();

  ASSERT_TRUE(driver_.StartConvert(std::move(job)));
  ASSERT_TRUE(list_.WaitUntil([](const std::vector<RecordedEvent>& events) {
    return std::any_of(events.begin(), events.end(), [](const RecordedEvent& e) { return e.row == 1; });
  }));
  driver_.Stop();
  ASSERT_TRUE(list_.WaitForCount(EVT_CONVERT_FINISHED, 1));
  driver_.WaitForTasks();

  EXPECT_EQ(list_.CellEvents(0).back().int_value, 100);
  const auto second = list_.CellEvents(1);
  EXPECT_EQ(second.back().state, DhGridCellRenderCommandEvent::kStopped);
  ASSERT_GE(second.size(), 2u);
  const RecordedEvent& outcome = second[second.size() - 2];
  const bool completed = outcome.state == DhGridCellRenderCommandEvent::kProgress && outcome.int_value == 100;
  EXPECT_TRUE(completed || outcome.state == DhGridCellRenderCommandEvent::kFailed);
  EXPECT_TRUE(list_.CellEvents(2).empty());
  EXPECT_FALSE(wxFileName::DirExists(U(out_dir_ + "/third")));

  const auto events = list_.Events();
  ASSERT_EQ(events.back().type, EVT_CONVERT_FINISHED) << "the finished event comes last";
  EXPECT_EQ(events.back().int_value, completed ? 2 : 1);

  const auto lines = LogLinesSince(log_start);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(EntryOf(lines[3]), "Finish [] [0]");
  if (!completed) {
    EXPECT_EQ(EntryOf(lines[2]), source_dir_ + "/second.pdf [" + out_dir_ + "/second] [" +
                                     std::to_string(PDF_ERR_CANCELLED) + "]");
  }

  // The next run is not cancelled by the old request.
  testsupport::EventRecorder next_list;
  driver_.SetOwner(&next_list, kListId);
  auto again = std::make_unique<DomainConvertJob>();
  AddRow(*again, 0, source_dir_ + "/third.pdf", "2");
  ASSERT_TRUE(driver_.StartConvert(std::move(again)));
  ASSERT_TRUE(next_list.WaitForCount(EVT_CONVERT_FINISHED, 1));
  driver_.WaitForTasks();
  EXPECT_EQ(next_list.Events().back().int_value, 1);
}

TEST_F(ConvertRun, NoEventReachesAnOwnerAfterItDetached) {
  auto job = std::make_unique<DomainConvertJob>();
  AddRow(*job, 0, MakePdf(source_dir_, "long.pdf", 40), "0");
  AddRow(*job, 1, MakePdf(source_dir_, "after.pdf", 1), "0");
  const size_t log_start = LogSize();

  ASSERT_TRUE(driver_.StartConvert(std::move(job)));
  ASSERT_TRUE(list_.WaitUntil([](const std::vector<RecordedEvent>& events) { return !events.empty(); }));
  driver_.DetachOwner();
  const size_t seen_at_detach = list_.Events().size();
  driver_.WaitForTasks();

  EXPECT_EQ(list_.Events().size(), seen_at_detach);
  EXPECT_EQ(list_.Count(EVT_CONVERT_FINISHED), 0);
  const auto lines = LogLinesSince(log_start);
  ASSERT_EQ(lines.size(), 4u) << "the run itself went on to its end";
  EXPECT_EQ(EntryOf(lines[3]), "Finish [] [0]");
}

TEST_F(ConvertRun, DestroyingTheDriverStopsTheRunAndWaitsForItsWorker) {
  auto driver = std::make_unique<DomainConvertRAZ2ODAVO>();
  testsupport::EventRecorder list;
  driver->SetOwner(&list, kListId);
  auto job = std::make_unique<DomainConvertJob>();
  AddRow(*job, 0, MakePdf(source_dir_, "big.pdf", 60), "2");
  AddRow(*job, 1, MakePdf(source_dir_, "never.pdf", 1), "2");
  const size_t log_start = LogSize();

  ASSERT_TRUE(driver->StartConvert(std::move(job)));
  ASSERT_TRUE(list.WaitUntil([](const std::vector<RecordedEvent>& events) { return !events.empty(); }));
  driver.reset();

  // The worker is done by now: its last log line is written, the second
  // row never started and nothing more arrives.
  const auto lines = LogLinesSince(log_start);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(EntryOf(lines[2]), "Finish [] [0]");
  EXPECT_FALSE(wxFileName::DirExists(U(out_dir_ + "/never")));
  EXPECT_EQ(list.Count(EVT_CONVERT_FINISHED), 0);
}

// Events per second the file list has to draw during a long row.
TEST_F(ConvertRun, LongRunShowsProgressWithoutFloodingTheQueue) {
  auto job = std::make_unique<DomainConvertJob>();
  AddRow(*job, 0, MakePdf(source_dir_, "three-hundred.pdf", 300), "0");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Run(std::move(job)), 1);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  ExpectProgressThenDone(0);
  const auto cells = list_.CellEvents(0);
  const size_t progress_events = cells.size() - 1;
  EXPECT_GE(progress_events, 2u) << "a long row shows progress while it runs";
  for (size_t i = 1; i < progress_events; ++i) {
    const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(cells[i].arrived - cells[i - 1].arrived);
    EXPECT_GE(gap.count(), DomainConvertRAZ2ODAVO::kProgressIntervalMs - 5) << "event " << i;
  }
  const double rate = list_.Events().size() / seconds;
  std::cout << "[ RATE     ] 300 pages: " << list_.Events().size() << " events in " << seconds << " s = " << rate
            << " events/s\n";
  RecordProperty("events_per_second", std::to_string(rate));
}

}  // namespace

namespace {

// Smoke test on the real-world documents shipped beside the repository.
TEST_F(ConvertRun, RealWorldPdfsLoadWithTheirPageCountsAndTheLongestConverts) {
  const std::string shared = std::string(TARNLY_SOURCE_DIR) + "/../shared/pdfs";
  if (!wxFileName::DirExists(U(shared))) GTEST_SKIP() << "no real-world PDFs at " << shared;
  const struct {
    const char* name;
    const char* pages;
  } documents[] = {{"texlive-en.pdf", "46"},
                   {"GS9_Color_Management.pdf", "42"},
                   {"interface3.pdf", "345"},
                   {"tug2005.pdf", "19"}};
  wxString paths;
  for (const auto& document : documents) paths += U(shared + "/" + document.name) + "|";
  const auto rows = driver_.LoadFiles(paths);
  ASSERT_EQ(rows->GetCount(), 4u);
  for (size_t i = 0; i < rows->GetCount(); ++i) {
    SCOPED_TRACE(documents[i].name);
    EXPECT_EQ((*rows)[i].GetState(), FileRowInfo::kReady);
    EXPECT_EQ((*rows)[i].GetText(Column::kColumnTotalPages), documents[i].pages);
  }

  auto job = std::make_unique<DomainConvertJob>();
  job->AddRow(0, (*rows)[2].GetTexts());  // all 345 pages, output type "0" (JPG)
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Run(std::move(job)), 1);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ExpectProgressThenDone(0);
  EXPECT_EQ(FilesIn(U(out_dir_ + "/interface3")).size(), 345u);
  std::cout << "[ RATE     ] interface3.pdf, 345 pages: " << list_.Events().size() << " events in " << seconds
            << " s = " << list_.Events().size() / seconds << " events/s\n";
}

}  // namespace
