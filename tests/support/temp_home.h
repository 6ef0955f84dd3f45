// Test helpers: a throw-away HOME for the whole test process and scratch
// folders inside it.
#ifndef TARNLY_TESTS_SUPPORT_TEMP_HOME_H
#define TARNLY_TESTS_SUPPORT_TEMP_HOME_H

#include <string>

namespace testsupport {

// Points HOME (and the XDG variables) at a fresh folder under /tmp and
// removes it at exit.  Call once, before anything asks for a folder.
void UseTemporaryHome();
std::string TemporaryHome();
// Removes it now (also done at exit).
void RemoveTemporaryHome();

// A fresh, empty folder under the temporary HOME.
std::string MakeScratchDir(const std::string& name);

// Whole contents of a file ("" when it cannot be read).
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& contents);

// The staged installation tree of this build and a fake executable path in
// it, for AppUtil::SetExecutablePath.
std::string StageDir();
std::string StagedExecutablePath();

}  // namespace testsupport

#endif
