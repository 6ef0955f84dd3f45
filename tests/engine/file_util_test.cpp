#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <wx/datetime.h>
#include <wx/filefn.h>

#include "common/app_util.h"
#include "common/file_util.h"
#include "common/string_util.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

TEST(FileUtil, FormatSizeUsesPowersOf1024AndStaysInGigabytes) {
  const struct {
    std::uint64_t bytes;
    const char* text;
  } cases[] = {
      {0, "0.0B"},
      {1023, "1023.0B"},
      {1024, "1.0KB"},
      {1536, "1.5KB"},
      {1048576, "1.0MB"},
      {5ULL * 1024 * 1024 * 1024, "5.0GB"},
      {3ULL * 1024 * 1024 * 1024 * 1024, "3072.0GB"},
      {UINT64_MAX, "17179869184.0GB"},
  };
  for (const auto& c : cases) EXPECT_EQ(FileUtil::FormatSize(c.bytes), c.text) << c.bytes;
}

TEST(FileUtil, UniqueDirNameSkipsTakenFoldersButNotFiles) {
  const std::string out = testsupport::MakeScratchDir("unique");
  const wxString base = wxString::FromUTF8(out + "/book");
  EXPECT_EQ(FileUtil::UniqueDirName(base), base);
  fs::create_directory(out + "/book");
  fs::create_directory(out + "/book(1)");
  EXPECT_EQ(FileUtil::UniqueDirName(base), base + "(2)");
  // A plain file of the candidate's name does not count as taken.
  testsupport::WriteWholeFile(out + "/book(2)", "x");
  EXPECT_EQ(FileUtil::UniqueDirName(base), base + "(2)");
}

TEST(FileUtil, ListFilesWithExtensionMatchesExtensionCaselessAndSkipsFolders) {
  const std::string dir = testsupport::MakeScratchDir("list");
  for (const char* name : {"A.PDF", "b.pdf", "c.pdf.txt", "noext", ".hidden.pdf"})
    testsupport::WriteWholeFile(dir + "/" + name, "x");
  fs::create_directory(dir + "/d.pdf");
  wxArrayString files;
  files.Add("already there");
  FileUtil::ListFilesWithExtension(wxString::FromUTF8(dir), files, "*.pdf");
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0], "already there");
  std::vector<wxString> found(files.begin() + 1, files.end());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found[0], wxString::FromUTF8(dir + "/A.PDF"));
  EXPECT_EQ(found[1], wxString::FromUTF8(dir + "/b.pdf"));

  wxArrayString none;
  FileUtil::ListFilesWithExtension(wxString::FromUTF8(dir + "/missing"), none, "*.pdf");
  EXPECT_TRUE(none.empty());
}

TEST(FileUtil, PathExistsMakeDirAndCompareInts) {
  const std::string dir = testsupport::MakeScratchDir("paths");
  const wxString sub = wxString::FromUTF8(dir + "/sub");
  EXPECT_FALSE(FileUtil::PathExists(sub));
  FileUtil::MakeDir(sub);
  FileUtil::MakeDir(sub);  // existing: silent
  EXPECT_TRUE(FileUtil::PathExists(sub));
  FileUtil::MakeDir(wxString::FromUTF8(dir + "/no/such/parent"));
  EXPECT_FALSE(FileUtil::PathExists(wxString::FromUTF8(dir + "/no")));

  int values[] = {5, 1, 3};
  std::qsort(values, 3, sizeof(int), [](const void* a, const void* b) {
    return FileUtil::CompareInts(static_cast<const int*>(a), static_cast<const int*>(b));
  });
  EXPECT_EQ(values[0], 1);
  EXPECT_EQ(values[1], 3);
  EXPECT_EQ(values[2], 5);
  EXPECT_EQ(FileUtil::FileNameOf("/a/b/report.pdf"), "report.pdf");
  EXPECT_EQ(FileUtil::FileNameOf("/a/b/"), "");
}

TEST(FileUtil, WriteFileAtomicallyReplacesWholeAndLeavesNoTemporary) {
  const std::string dir = testsupport::MakeScratchDir("atomic");
  const std::string path = dir + "/settings.cfg";
  testsupport::WriteWholeFile(path, "old contents that are longer");
  ASSERT_TRUE(FileUtil::WriteFileAtomically(wxString::FromUTF8(path), "new"));
  EXPECT_EQ(testsupport::ReadWholeFile(path), "new");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
  // A folder that cannot be written keeps the old file and reports failure.
  EXPECT_FALSE(FileUtil::WriteFileAtomically(wxString::FromUTF8(dir + "/missing/x.cfg"), "y"));
}

TEST(AppUtil, ExecutablePathGivesProgramAndInstallationFolders) {
  EXPECT_EQ(AppUtil::ExeDirFromPath("C:\\Apps\\Prog\\bin\\prog.exe"), "C:/Apps/Prog/bin");
  EXPECT_EQ(AppUtil::ExeDirFromPath("prog"), "");
  const wxString staged = AppUtil::GetExecutablePath();
  AppUtil::SetExecutablePath("/opt/corvane/bin/tarnly");
  EXPECT_EQ(AppUtil::GetExeDir(), "/opt/corvane/bin");
  EXPECT_EQ(AppUtil::GetInstallDir(), "/opt/corvane");
  EXPECT_EQ(AppUtil::GetOptionFile(), "/opt/corvane/option.cfg");
  EXPECT_EQ(AppUtil::GetFaceFile(), "/opt/corvane/Themes/face.xml");
  AppUtil::SetExecutablePath(staged);
}

TEST(AppUtil, UserFoldersLiveUnderTheDocumentsFolderAndAreCreated) {
  const wxString home = wxString::FromUTF8(testsupport::TemporaryHome());
  EXPECT_EQ(AppUtil::GetProductName(), "Corvane Tarnly");
  const wxString data = AppUtil::GetUserDataDir();
  EXPECT_EQ(data, home + "/Corvane files/Corvane Tarnly");
  EXPECT_TRUE(wxDirExists(data));
  EXPECT_EQ(AppUtil::GetUserDataDir(), data);
  const wxString output = AppUtil::GetDefaultOutputDir();
  EXPECT_EQ(output, home + "/Corvane/Corvane Tarnly");
  EXPECT_TRUE(wxDirExists(output));
  EXPECT_TRUE(AppUtil::GetSettingsFile().EndsWith("/QUENTA_VOSK.cfg"));
  EXPECT_TRUE(AppUtil::GetLanguageFile().EndsWith("/language.txt"));
}

TEST(StringUtil, BuildYearIsTheLastWordOfTheBuildDate) {
  EXPECT_EQ(StringUtil::YearOfDate("May 14 2014"), "2014");
  const std::string year = StringUtil::GetBuildYear();
  ASSERT_EQ(year.size(), 4u);
  EXPECT_GE(std::atoi(year.c_str()), 2024);
}

TEST(RunLog, LinesGoToTodaysFileInUtf8WithTheTime) {
  const wxString log_file = FileUtil::GetLogFile();
  wxString day = wxDateTime::Now().Format("%Y%m%d");
  EXPECT_EQ(log_file, AppUtil::GetUserDataDir() + "/Log/" + day + ".log");
  const std::string path = log_file.utf8_string();
  std::remove(path.c_str());

  FileUtil::WriteLogLine("Begin [] [0]\n");
  ASSERT_TRUE(fs::exists(path)) << "the first line of a day creates the file";
  FileUtil::WriteLogLine(wxString::FromUTF8("/tmp/Été 文件.pdf [/out/x] [7]\n"));
  const std::string contents = testsupport::ReadWholeFile(path);
  const size_t second_line = contents.find('\n') + 1;
  EXPECT_EQ(contents.substr(0, 2), "# ");
  EXPECT_EQ(contents[4], ':');
  EXPECT_EQ(contents[7], ':');
  EXPECT_EQ(contents.substr(10, second_line - 10), " Begin [] [0]\n");
  EXPECT_NE(contents.find(u8"/tmp/Été 文件.pdf [/out/x] [7]\n", second_line), std::string::npos);
}
