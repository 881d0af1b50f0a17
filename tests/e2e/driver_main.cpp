// Entry point of the end-to-end driver: GoogleTest with the driver's options.
#include <cstdio>

#include <gtest/gtest.h>

#include "driver_options.h"

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  e2e::DriverOptions options;
  if (const std::wstring error = e2e::ParseDriverOptions(argc, argv, options); !error.empty()) {
    std::fwprintf(stderr, L"ambrix_e2e_tests: %ls\n", error.c_str());
    return 2;
  }
  return RUN_ALL_TESTS();
}
