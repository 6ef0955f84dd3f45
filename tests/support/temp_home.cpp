#include "support/temp_home.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testsupport {
namespace {

std::string& HomePath() {
  static std::string home;
  return home;
}

void RemoveHome() { RemoveTemporaryHome(); }

}  // namespace

void RemoveTemporaryHome() {
  if (!HomePath().empty() && std::getenv("TARNLY_KEEP_TEST_HOME") == nullptr) {
    std::error_code ignored;
    std::filesystem::remove_all(HomePath(), ignored);
  }
}

void UseTemporaryHome() {
  if (!HomePath().empty()) return;
  char pattern[] = "/tmp/tarnly-test-home-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) std::abort();
  HomePath() = made;
  setenv("HOME", made, 1);
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("XDG_DOCUMENTS_DIR");
  std::atexit(RemoveHome);
}

std::string TemporaryHome() { return HomePath(); }

std::string MakeScratchDir(const std::string& name) {
  static int counter = 0;
  const std::string path = HomePath() + "/scratch-" + std::to_string(++counter) + "-" + name;
  std::filesystem::create_directories(path);
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteWholeFile(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
}

std::string StageDir() { return TARNLY_STAGE_DIR; }
std::string StagedExecutablePath() { return StageDir() + "/bin/tarnly"; }

}  // namespace testsupport
