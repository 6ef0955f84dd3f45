#include <gtest/gtest.h>

#include "support/temp_home.h"
#include "window/base/face_config.h"

namespace {

// Loads `xml` from a scratch file; returns LoadFace's result and the path.
int LoadFaceText(const std::string& xml, std::string* path_out = nullptr) {
  const std::string path = testsupport::MakeScratchDir("face") + "/face.xml";
  testsupport::WriteWholeFile(path, xml);
  if (path_out) *path_out = path;
  return LoadFace(wxString::FromUTF8(path));
}

void ExpectRect(const char* key, int x, int y, int width, int height) {
  const FaceRect& rect = GetFaceRect(key);
  EXPECT_EQ(rect.x, x) << key;
  EXPECT_EQ(rect.y, y) << key;
  EXPECT_EQ(rect.width, width) << key;
  EXPECT_EQ(rect.height, height) << key;
}

}  // namespace

TEST(FaceConfig, ElementPathsBecomeKeysOnlyWhereAttributesStand) {
  ASSERT_EQ(LoadFaceText("<face><t1 y='0' height='34'><logo x='8' y='6'/></t1>"
                         "<tb1><font height='9'/></tb1></face>"),
            0);
  ExpectRect("/face/t1", 0, 0, 0, 34);
  ExpectRect("/face/t1/logo", 8, 6, 0, 0);
  ExpectRect("/face/tb1/font", 0, 0, 0, 9);
  EXPECT_EQ(GetFaceTable().count("/face/tb1"), 0u);
  EXPECT_EQ(GetFaceTable().count("/FACE/T1"), 0u) << "keys are case-sensitive";
}

TEST(FaceConfig, AttributesMapByNameAndReadLikeAtoi) {
  ASSERT_EQ(LoadFaceText("<face><c x='300' y='-1' width='16'/><h h='20'/><s size='20' x='12px' y='abc'/>"
                         "<w x='1' x=' 7'/></face>"),
            0);
  const FaceRect& colour = GetFaceRect("/face/c");
  EXPECT_EQ(colour.x % 256, 44);
  EXPECT_EQ(colour.y & 0xff, 255);
  EXPECT_EQ(colour.width % 256, 16);
  ExpectRect("/face/h", 0, 0, 0, 20);
  ExpectRect("/face/s", 12, 0, 0, 20);
}

TEST(FaceConfig, ALaterElementReplacesTheWholeEntry) {
  ASSERT_EQ(LoadFaceText("<face><r><logo x='1' y='2' width='3'/><logo y='9'/></r></face>"), 0);
  ExpectRect("/face/r/logo", 0, 9, 0, 0);
}

TEST(FaceConfig, MalformedXmlReportsTheLineAndKeepsWhatWasRead) {
  std::string xml = "<face>\n<early x='5'/>\n";
  for (int line = 3; line < 12; ++line) xml += "<!-- filler -->\n";
  xml += "<broken x='1'></face>\n<late x='2'/>\n";
  std::string path;
  testing::internal::CaptureStderr();
  const int result = LoadFaceText(xml, &path);
  const std::string error = testing::internal::GetCapturedStderr();
  EXPECT_EQ(result, 0);
  EXPECT_EQ(error, "mismatched tag at line 12 ->" + path + "\n");
  ExpectRect("/face/early", 5, 0, 0, 0);
  EXPECT_EQ(GetFaceTable().count("/face/late"), 0u);
}

TEST(FaceConfig, AMissingFileOrKeyNeverStopsTheProgram) {
  EXPECT_EQ(LoadFace("/no/such/face.xml"), -1);
  testing::internal::CaptureStderr();
  ExpectRect("/face/never/defined", 0, 0, 0, 0);
  ExpectRect("/face/never/defined", 0, 0, 0, 0);
  const std::string error = testing::internal::GetCapturedStderr();
  EXPECT_EQ(error, "face key /face/never/defined is not defined; using zeros\n") << "reported once";
}

TEST(FaceConfig, ADocumentCutShortIsAcceptedSilently) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(LoadFaceText("<face><cut x='3'>"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  ExpectRect("/face/cut", 3, 0, 0, 0);
}
