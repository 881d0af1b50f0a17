// The registry as the driver sees it: the program shares the driver's Wine
// session, so both look at one registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Names of the direct subkeys of root\path, sorted.
std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& path);
bool KeyExists(HKEY root, const std::wstring& path);

// Sets the default value of root\path for the lifetime of the object and puts
// back what was there before (or removes the value it created).
class ScopedDefaultValue {
 public:
  ScopedDefaultValue(HKEY root, const std::wstring& path, const std::wstring& value);
  ~ScopedDefaultValue();
  ScopedDefaultValue(const ScopedDefaultValue&) = delete;
  ScopedDefaultValue& operator=(const ScopedDefaultValue&) = delete;

 private:
  HKEY key_ = nullptr;
  std::optional<std::wstring> previous_;
};

}  // namespace e2e
