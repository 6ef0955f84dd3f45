// The command-line converter, run as a process on PDFs the tests make.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "support/temp_home.h"
#include "support/test_pdf.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string output;  // stdout and stderr together
};

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

Outcome RunConverter(const std::string& arguments) {
  Outcome outcome;
  const std::string command =
      Quote(testsupport::StageDir() + "/bin/tarnly-convert") + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, got);
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::set<std::string> FilesIn(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

class PdfServiceCli : public testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(testsupport::StageDir() + "/bin/tarnly-convert")) {
      GTEST_SKIP() << "tarnly-convert is not built in this tree";
    }
  }
};

TEST_F(PdfServiceCli, WritesOneNewFolderPerInputNamedAfterIt) {
  const std::string dir = testsupport::MakeScratchDir("cli");
  testsupport::TestPdfOptions options;
  options.page_count = 12;
  ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/Jahres bericht.pdf", options));
  const std::string out = dir + "/out";

  const std::string args =
      "-f jpg -p 2,11 -r 72 -j 2 -o " + Quote(out) + " " + Quote(dir + "/Jahres bericht.pdf");
  const Outcome first = RunConverter(args);
  ASSERT_EQ(0, first.status) << first.output;
  EXPECT_EQ((std::set<std::string>{"Jahres bericht-02.jpg", "Jahres bericht-11.jpg"}),
            FilesIn(out + "/Jahres bericht"));
  // A second run never writes into the first one's folder.
  const Outcome second = RunConverter(args);
  ASSERT_EQ(0, second.status) << second.output;
  EXPECT_EQ((std::set<std::string>{"Jahres bericht", "Jahres bericht(1)"}), FilesIn(out));
  EXPECT_EQ(2u, FilesIn(out + "/Jahres bericht(1)").size());
}

// Linux file names are bytes: one that is not UTF-8 (Latin-1 here) still
// converts into a folder named after it.
TEST_F(PdfServiceCli, FileNameThatIsNotUtf8StillConverts) {
  const std::string dir = testsupport::MakeScratchDir("cli-latin1");
  const std::string stem = "caf\xe9";
  ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/plain.pdf"));
  ASSERT_EQ(0, std::rename((dir + "/plain.pdf").c_str(), (dir + "/" + stem + ".pdf").c_str()));
  const std::string out = dir + "/out";
  const Outcome outcome = RunConverter("-q -f png -o " + Quote(out) + " " + Quote(dir + "/" + stem + ".pdf"));
  ASSERT_EQ(0, outcome.status) << outcome.output;
  EXPECT_EQ((std::set<std::string>{stem}), FilesIn(out));
  EXPECT_EQ((std::set<std::string>{stem + "-1.png"}), FilesIn(out + "/" + stem));
}

TEST_F(PdfServiceCli, ReportsEachFailedFileAndExitsNonZero) {
  const std::string dir = testsupport::MakeScratchDir("cli-fail");
  ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/good.pdf"));
  ASSERT_TRUE(testsupport::MakeTextFile(dir + "/notes.pdf"));
  const std::string out = dir + "/out";
  const Outcome outcome = RunConverter("-f png -o " + Quote(out) + " " + Quote(dir + "/good.pdf") + " " +
                                       Quote(dir + "/notes.pdf") + " " + Quote(dir + "/missing.pdf"));
  EXPECT_EQ(1, outcome.status);
  EXPECT_NE(std::string::npos, outcome.output.find("notes.pdf: the file is not a PDF")) << outcome.output;
  EXPECT_NE(std::string::npos, outcome.output.find("missing.pdf: the file does not exist")) << outcome.output;
  // The good file is converted all the same; failed ones leave no folder.
  EXPECT_EQ((std::set<std::string>{"good"}), FilesIn(out));
  EXPECT_EQ((std::set<std::string>{"good-1.png"}), FilesIn(out + "/good"));
}

TEST_F(PdfServiceCli, RefusesBadUsageWithAHint) {
  const struct {
    const char* arguments;
    int status;
    const char* text;
  } cases[] = {
      {"--help", 0, "Usage: tarnly-convert"},
      {"", 2, "no input file"},
      {"-f webp x.pdf", 2, "invalid value for -f"},
      {"-r 0 x.pdf", 2, "invalid value for -r"},
      {"-j", 2, "-j needs a value"},
      {"--frobnicate x.pdf", 2, "unknown option"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunConverter(c.arguments);
    EXPECT_EQ(c.status, outcome.status) << c.arguments;
    EXPECT_NE(std::string::npos, outcome.output.find(c.text)) << c.arguments << ": " << outcome.output;
  }
}

}  // namespace
