#include "registry_keys.h"

#include <algorithm>

#include "polling.h"

namespace e2e {
namespace {

void SetDefault(HKEY key, const std::wstring& value) {
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     bytes) != ERROR_SUCCESS) {
    throw DriverError(L"cannot set a registry value");
  }
}

}  // namespace

std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS) {
    throw DriverError(L"cannot open registry key " + path);
  }
  std::vector<std::wstring> names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  std::sort(names.begin(), names.end());
  return names;
}

bool KeyExists(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

ScopedDefaultValue::ScopedDefaultValue(HKEY root, const std::wstring& path,
                                       const std::wstring& value) {
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_SET_VALUE, nullptr, &key_,
                      nullptr) != ERROR_SUCCESS) {
    throw DriverError(L"cannot open registry key " + path);
  }
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key_, nullptr, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      type == REG_SZ) {
    std::wstring previous(bytes / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous.data()),
                     &bytes);
    previous.resize(wcslen(previous.c_str()));
    previous_ = previous;
  }
  SetDefault(key_, value);
}

ScopedDefaultValue::~ScopedDefaultValue() {
  if (previous_) {
    SetDefault(key_, *previous_);
  } else {
    RegDeleteValueW(key_, nullptr);
  }
  RegCloseKey(key_);
}

}  // namespace e2e
