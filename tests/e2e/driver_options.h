// Where the program under test and the artefacts live, from the command line:
//   ambrix_e2e_tests --ambrix=PATH [--artifacts=DIR] [gtest flags]
// Unix paths (as CMake passes them under Wine) are turned into Windows paths.
#pragma once

#include <string>

namespace e2e {

struct DriverOptions {
  std::wstring ambrixPath;
  std::wstring artifactsDir;  // empty: screenshots are not kept
};

// Reads the options left over after GoogleTest has taken its own; returns an
// error message, or an empty string when the options are usable.
std::wstring ParseDriverOptions(int argc, wchar_t** argv, DriverOptions& options);

const DriverOptions& Options();

// "/work/x/y.exe" -> "Z:\work\x\y.exe" (Wine's own mapping when it has one).
std::wstring ToWindowsPath(const std::wstring& path);

// Folder of the running driver, with a trailing backslash.
std::wstring DriverFolder();

}  // namespace e2e
