// Stands in for the browser during the tests: registered as the handler of
// http addresses, it writes the command line it was started with to the file
// named by its first argument, then ends.  The file appears in one rename, so
// a reader never sees half of it.
#include <windows.h>

#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const wchar_t* commandLine = GetCommandLineW();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(commandLine, &argc);
  if (argv == nullptr || argc < 2)
    return 2;
  const std::wstring target = argv[1];
  const std::wstring partial = target + L".partial";
  const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return 3;
  DWORD written = 0;
  const auto bytes = static_cast<DWORD>(wcslen(commandLine) * sizeof(wchar_t));
  const BOOL ok = WriteFile(file, commandLine, bytes, &written, nullptr);
  CloseHandle(file);
  LocalFree(argv);
  if (!ok || written != bytes)
    return 4;
  return MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 5;
}
