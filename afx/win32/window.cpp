// CWnd over Win32: the window operations, subclassing and message dispatch.
#include "afx/cwinapp.h"
#include "window_binding.h"

namespace afx::win32 {
namespace {

constexpr wchar_t kObjectProperty[] = L"Ambrix.CWnd";

// The message being dispatched on this thread, for CWnd::Default.
struct CurrentMessage {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
thread_local CurrentMessage t_current;

void Unsubclass(CWnd& wnd) {
  if (wnd.m_hWnd != nullptr && wnd.m_pfnSuper != nullptr) {
    SetWindowLongPtrW(wnd.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd.m_pfnSuper));
    RemovePropW(wnd.m_hWnd, kObjectProperty);
  }
  wnd.m_pfnSuper = nullptr;
}

// The window's own processing of a message: the procedure it had before it
// was subclassed.
LRESULT CallSuper(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(wnd.m_pfnSuper ? wnd.m_pfnSuper : ::DefWindowProcW, wnd.m_hWnd, message,
                           wParam, lParam);
}

LRESULT CALLBACK SubclassedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* wnd = static_cast<CWnd*>(GetPropW(window, kObjectProperty));
  if (wnd == nullptr)
    return DefWindowProcW(window, message, wParam, lParam);

  const CurrentMessage outer = t_current;
  t_current = {window, message, wParam, lParam};
  LRESULT result;
  if (message == WM_NCDESTROY) {
    result = CallSuper(*wnd, message, wParam, lParam);
    Unsubclass(*wnd);
    wnd->m_hWnd = nullptr;
    // A destroyed main window is no longer the application's main window.
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == wnd) {
      app->m_pMainWnd = nullptr;
    }
  } else {
    result = wnd->WindowProc(message, wParam, lParam);
  }
  t_current = outer;
  return result;
}

}  // namespace

void SubclassWindow(HWND window, CWnd& wnd) {
  wnd.m_hWnd = window;
  SetPropW(window, kObjectProperty, &wnd);
  wnd.m_pfnSuper = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedWindowProc)));
}

void SetCurrentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  t_current = {window, message, wParam, lParam};
}

}  // namespace afx::win32

CWnd::~CWnd() {
  // Releases the binding only: a bound control belongs to its dialog.
  if (m_hWnd != nullptr && IsWindow(m_hWnd))
    afx::win32::Unsubclass(*this);
  m_hWnd = nullptr;
}

BOOL CWnd::Attach(HWND window) {
  if (window == nullptr || m_hWnd != nullptr)
    return FALSE;
  m_hWnd = window;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND window = m_hWnd;
  m_hWnd = nullptr;
  return window;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(const wchar_t* text) {
  ::SetWindowTextW(m_hWnd, text);
}

int CWnd::GetWindowTextLength() const {
  return ::GetWindowTextLengthW(m_hWnd);
}

void CWnd::GetWindowText(CString& text) const {
  std::wstring& buffer = text.Native();
  buffer.assign(static_cast<std::size_t>(GetWindowTextLength()) + 1, L'\0');
  const int length = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
  buffer.resize(static_cast<std::size_t>(length > 0 ? length : 0));
}

void CWnd::GetDlgItem(int id, HWND* window) const {
  *window = ::GetDlgItem(m_hWnd, id);
}

BOOL CWnd::IsIconic() const {
  return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(RECT* rect) const {
  ::GetClientRect(m_hWnd, rect);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
  HMENU menu = ::GetSystemMenu(m_hWnd, revert);
  if (menu == nullptr)
    return nullptr;
  m_systemMenu.Attach(menu);
  return &m_systemMenu;
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) {
  if (caption == nullptr && AfxGetApp() != nullptr)
    caption = AfxGetApp()->m_pszAppName;
  return ::MessageBoxW(m_hWnd, text, caption, type);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;

  RECT around = work;
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &around);
  }
  RECT self;
  ::GetWindowRect(m_hWnd, &self);
  const LONG width = self.right - self.left;
  const LONG height = self.bottom - self.top;
  LONG x = (around.left + around.right) / 2 - width / 2;
  LONG y = (around.top + around.bottom) / 2 - height / 2;
  // Keep the whole window inside the work area, its top-left corner first.
  if (x + width > work.right)
    x = work.right - width;
  if (x < work.left)
    x = work.left;
  if (y + height > work.bottom)
    y = work.bottom - height;
  if (y < work.top)
    y = work.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::Default() {
  const afx::win32::CurrentMessage& current = afx::win32::t_current;
  return afx::win32::CallSuper(*this, current.message, current.wParam, current.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  UINT code = 0;
  UINT id = 0;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
    id = LOWORD(wParam);
  } else if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    code = header->code;
    id = static_cast<UINT>(header->idFrom);
  }
  if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, code, id)) {
    return entry->handler(*this, wParam, lParam);
  }
  // Commands nobody in the window handles go on to the application.
  if (message == WM_COMMAND && AfxGetApp() != nullptr && AfxGetApp()->OnCmdMsg(id, code))
    return 0;
  return afx::win32::CallSuper(*this, message, wParam, lParam);
}
