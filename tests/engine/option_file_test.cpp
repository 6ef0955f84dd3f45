#include <gtest/gtest.h>

#include "domain/domain_option.h"
#include "support/temp_home.h"

TEST(OptionFile, UrlChildrenBecomeKeysAndUpdateGetsItsSuffix) {
  const std::string dir = testsupport::MakeScratchDir("option");
  const std::string path = dir + "/option.cfg";
  testsupport::WriteWholeFile(path,
                              "<?xml version=\"1.0\"?>\n<setting>\n <url>\n"
                              "  <help>http://h.example/help</help>\n"
                              "  <!-- a note -->\n"
                              "  <support>http://h.example/<b>sup</b>port</support>\n"
                              "  <update>http://h.example/up</update>\n"
                              "  <help>http://h.example/help2</help>\n"
                              " </url>\n <url><product>ignored</product></url>\n</setting>\n");
  DomainOption option;
  ASSERT_TRUE(option.Load(wxString::FromUTF8(path)));
  EXPECT_EQ(DomainOption::GetUrl("url:help"), "http://h.example/help2");
  EXPECT_EQ(DomainOption::GetSupportUrl(), "http://h.example/support");
  EXPECT_EQ(DomainOption::GetUrl("url:update"), "http://h.example/up-update.xml");
  // A comment is no text node: it lands under its node name and is never read.
  EXPECT_EQ(DomainOption::GetUrl("url:comment"), " a note ");
  const auto before = DomainOption::GetUrlTableCopy();
  EXPECT_EQ(before.count("url:product"), 0u) << "only the first <url> counts";
  EXPECT_EQ(DomainOption::GetUrl("url:product"), "");
  EXPECT_EQ(DomainOption::GetUrlTableCopy().count("url:product"), 1u);
}

TEST(OptionFile, TheShippedFileDefinesEveryAddressTheProgramReads) {
  DomainOption option;
  ASSERT_TRUE(option.Load(TARNLY_SOURCE_DIR "/data/option.cfg"));
  for (const char* key : {"url:help", "url:support", "url:product"})
    EXPECT_TRUE(DomainOption::GetUrl(key).StartsWith("http://")) << key;
  EXPECT_TRUE(DomainOption::GetUrl("url:update").EndsWith("-update.xml"));
}

TEST(OptionFile, AMissingOrBrokenFileLeavesEmptyAddresses) {
  const std::string dir = testsupport::MakeScratchDir("option-bad");
  DomainOption option;
  EXPECT_FALSE(option.Load(wxString::FromUTF8(dir + "/missing.cfg")));
  testsupport::WriteWholeFile(dir + "/broken.cfg", "<setting><url><help>x</url>");
  EXPECT_FALSE(option.Load(wxString::FromUTF8(dir + "/broken.cfg")));
}
