#include <gtest/gtest.h>

#include <filesystem>

#include "common/app_util.h"
#include "domain/domain_config.h"
#include "domain/domain_option_values.h"
#include "support/temp_home.h"

namespace {

const char kEmptySettings[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<setting>\n"
    "   <last-convert-dir></last-convert-dir>\n"
    "   <last-output-dir></last-output-dir>\n"
    "</setting>\n";

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::MakeScratchDir("settings");
    path_ = dir_ + "/QUENTA_VOSK.cfg";
  }
  wxString Path() const { return wxString::FromUTF8(path_); }
  std::string Contents() const { return testsupport::ReadWholeFile(path_); }

  std::string dir_;
  std::string path_;
};

}  // namespace

TEST_F(SettingsFile, FirstRunWritesEmptyEntriesThenSavesTheOutputFolder) {
  auto* config = new DomainConfig(Path());
  EXPECT_EQ(Contents(), kEmptySettings);
  EXPECT_EQ(config->GetLastSourceDir(), "");
  EXPECT_EQ(DomainOptionValues::Get(OPTION_OUTPUT_DIR), AppUtil::GetDefaultOutputDir());
  EXPECT_EQ(config->GetProxy().type, "HTTP");
  delete config;
  const std::string saved = Contents();
  EXPECT_NE(saved.find("<last-output-dir>" + AppUtil::GetDefaultOutputDir().utf8_string() + "</last-output-dir>"),
            std::string::npos)
      << saved;
  EXPECT_NE(saved.find("<last-convert-dir></last-convert-dir>"), std::string::npos) << saved;
}

TEST_F(SettingsFile, EntriesAreReadByPositionAndAThirdChildSurvives) {
  const std::string other = testsupport::MakeScratchDir("other");
  testsupport::WriteWholeFile(path_,
                              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<setting>\n"
                              "  <last-output-dir>/src/folder</last-output-dir>\n"
                              "  <last-convert-dir>" + other + "</last-convert-dir>\n"
                              "  <extra keep=\"1\">kept</extra>\n</setting>\n");
  auto* config = new DomainConfig(Path());
  EXPECT_EQ(config->GetLastSourceDir(), "/src/folder");
  EXPECT_EQ(config->GetLastOutputDir(), wxString::FromUTF8(other));
  // The source folder chosen during a run changes the dialogs, not the file.
  config->SetLastSourceDir("/elsewhere");
  const std::string picked = testsupport::MakeScratchDir("picked");
  DomainOptionValues::Set(OPTION_OUTPUT_DIR, wxString::FromUTF8(picked));
  delete config;
  const std::string saved = Contents();
  EXPECT_NE(saved.find(">/src/folder<"), std::string::npos) << saved;
  EXPECT_NE(saved.find(">" + picked + "<"), std::string::npos) << saved;
  EXPECT_NE(saved.find("<extra keep=\"1\">kept</extra>"), std::string::npos) << saved;
}

TEST_F(SettingsFile, MalformedOrShortFilesAreRewrittenWithDefaults) {
  for (const char* bad : {"", "<setting><last-convert-dir>x</last-convert-dir>", "<setting><one/></setting>",
                          "not xml at all"}) {
    testsupport::WriteWholeFile(path_, bad);
    DomainConfig config(Path());
    EXPECT_EQ(config.GetLastSourceDir(), "") << bad;
    EXPECT_EQ(config.GetLastOutputDir(), AppUtil::GetDefaultOutputDir()) << bad;
    EXPECT_EQ(Contents(), kEmptySettings) << bad;
    DomainOptionValues::Set(OPTION_SOURCE_DIR, "");
  }
}

TEST_F(SettingsFile, AVanishedOutputFolderFallsBackToTheDefault) {
  testsupport::WriteWholeFile(path_,
                              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<setting><a>/s</a>"
                              "<b>/no/such/folder</b></setting>\n");
  DomainConfig config(Path());
  EXPECT_EQ(config.GetLastOutputDir(), AppUtil::GetDefaultOutputDir());
  EXPECT_EQ(DomainOptionValues::Get(OPTION_SOURCE_DIR), "/s");
}

TEST(OptionValues, AbsentKeysReadEmptyAndIntegersAsText) {
  EXPECT_FALSE(DomainOptionValues::Has(77));
  EXPECT_EQ(DomainOptionValues::Get(77), "");
  EXPECT_TRUE(DomainOptionValues::Has(77));
  EXPECT_EQ(DomainOptionValues::GetInt(77), 0);
  DomainOptionValues::SetInt(OPTION_STATUS_COLUMN, 5);
  EXPECT_EQ(DomainOptionValues::Get(OPTION_STATUS_COLUMN), "5");
  DomainOptionValues::Set(78, "12abc");
  EXPECT_EQ(DomainOptionValues::GetInt(78), 12);
}
