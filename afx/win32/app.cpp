// CWinApp and the framework's start-up over Win32.
#include <string>

#include "afx/cwinapp.h"
#include "afx/framework_ids.h"
#include "resources.h"

namespace {

HINSTANCE g_instance = nullptr;

std::wstring ModulePath(HINSTANCE instance) {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

void CWinApp::InitFramework(HINSTANCE instance) {
  g_instance = instance;
  m_hInstance = instance;
  const std::wstring path = ModulePath(instance);
  const std::size_t nameStart = path.find_last_of(L"\\/") + 1;  // npos + 1 is 0
  const std::size_t extension = path.find_last_of(L'.');
  const std::size_t nameEnd =
      extension != std::wstring::npos && extension > nameStart ? extension : path.size();
  if (m_pszAppName == nullptr) {
    CString name;
    // An application title string, when the program has one, names it.
    if (name.LoadString(0xE000) && !name.IsEmpty()) {
      m_appName = name.Native();
    } else {
      m_appName = path.substr(nameStart, nameEnd - nameStart);
    }
    m_pszAppName = m_appName.c_str();
  }
  m_helpFilePath = path.substr(0, nameEnd) + L".HLP";
  m_pszHelpFilePath = m_helpFilePath.c_str();
}

int CWinApp::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT id) const {
  return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
}

void CWinApp::OnHelp() {
  HWND main = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  if (!::WinHelpW(main, m_pszHelpFilePath, HELP_FINDER, 0)) {
    AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
  }
}

HINSTANCE AfxGetInstanceHandle() {
  return g_instance;
}
HINSTANCE AfxGetResourceHandle() {
  return g_instance;
}

int AfxMessageBox(UINT promptId, UINT type) {
  CString prompt;
  prompt.LoadString(promptId);
  CWnd* main = AfxGetMainWnd();
  CWinApp* app = AfxGetApp();
  return ::MessageBoxW(main ? main->m_hWnd : nullptr, prompt, app ? app->m_pszAppName : nullptr,
                       type);
}

int AfxWinMain(HINSTANCE instance, const wchar_t*, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr)
    return -1;
  app->InitFramework(instance);
  if (app->InitApplication() && app->InitInstance())
    return app->Run();
  // InitInstance declined to run: no message loop, only the exit step.
  if (app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
    ::DestroyWindow(app->m_pMainWnd->m_hWnd);
  }
  return app->ExitInstance();
}

namespace afx::win32 {

std::span<const std::byte> FindResourceBytes(const wchar_t* name, const wchar_t* type) {
  HINSTANCE instance = AfxGetResourceHandle();
  HRSRC found = ::FindResourceW(instance, name, type);
  if (found == nullptr)
    return {};
  HGLOBAL loaded = ::LoadResource(instance, found);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (bytes == nullptr)
    return {};
  return {static_cast<const std::byte*>(bytes), ::SizeofResource(instance, found)};
}

}  // namespace afx::win32
