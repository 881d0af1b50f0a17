#include "driver_options.h"

#include <windows.h>

namespace e2e {
namespace {

DriverOptions g_options;

bool TakeValue(const std::wstring& argument, const wchar_t* name, std::wstring& value) {
  const std::wstring prefix = std::wstring(L"--") + name + L"=";
  if (!argument.starts_with(prefix))
    return false;
  value = argument.substr(prefix.size());
  return true;
}

}  // namespace

std::wstring ToWindowsPath(const std::wstring& path) {
  if (!path.starts_with(L"/"))
    return path;
  // Wine exports the mapping it uses for its drives; elsewhere there is no
  // Unix path to convert.
  using ToDos = WCHAR*(CDECL*)(const char*);
  const auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (toDos != nullptr) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    if (WCHAR* dos = toDos(utf8.c_str()); dos != nullptr) {
      std::wstring result = dos;
      HeapFree(GetProcessHeap(), 0, dos);
      return result;
    }
  }
  std::wstring result = L"Z:" + path;
  for (wchar_t& c : result) {
    if (c == L'/')
      c = L'\\';
  }
  return result;
}

std::wstring ParseDriverOptions(int argc, wchar_t** argv, DriverOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    std::wstring value;
    if (TakeValue(argument, L"ambrix", value)) {
      options.ambrixPath = ToWindowsPath(value);
    } else if (TakeValue(argument, L"artifacts", value)) {
      options.artifactsDir = ToWindowsPath(value);
    } else {
      return L"unknown argument " + argument;
    }
  }
  if (options.ambrixPath.empty())
    return L"--ambrix=PATH to Ambrix.exe is required";
  if (GetFileAttributesW(options.ambrixPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return L"no program at " + options.ambrixPath;
  }
  g_options = options;
  return {};
}

const DriverOptions& Options() {
  return g_options;
}

std::wstring DriverFolder() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace e2e
