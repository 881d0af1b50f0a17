#include "window_query.h"

#include "polling.h"

namespace e2e {
namespace {}  // namespace

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                           static_cast<UINT>(kReplyTimeout.count()), &result)) {
    throw DriverError(L"no reply to message " + std::to_wstring(message) + L" from a " +
                      ClassName(window) + L" window");
  }
  return static_cast<LRESULT>(result);
}

namespace {

struct OwnedSearch {
  HWND owner;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<OwnedSearch*>(context);
  if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) &&
      ClassName(window) == L"#32770") {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring ReadText(HWND window) {
  const auto length = static_cast<size_t>(SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return text;
}

DWORD ThreadOf(HWND window) {
  return GetWindowThreadProcessId(window, nullptr);
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::vector<HWND> OwnedDialogs(HWND owner) {
  OwnedSearch search{owner, {}};
  EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FocusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

HWND ActiveOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndActive : nullptr;
}

HWND ChildOfDialog(HWND dialog, HWND window) {
  while (window != nullptr) {
    const HWND parent = GetAncestor(window, GA_PARENT);
    if (parent == dialog)
      return window;
    window = parent;
  }
  return nullptr;
}

int FocusedControlId(HWND dialog) {
  const HWND child = ChildOfDialog(dialog, FocusOf(ThreadOf(dialog)));
  return child != nullptr ? GetDlgCtrlID(child) : 0;
}

std::vector<std::wstring> StaticTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (ClassName(child) == L"Static" && (style & SS_TYPEMASK) != SS_ICON) {
      texts.push_back(ReadText(child));
    }
  }
  return texts;
}

POINT CloseBoxPoint(HWND window) {
  const RECT rect = WindowRect(window);
  for (int y = rect.top; y < rect.top + GetSystemMetrics(SM_CYCAPTION) * 2; ++y) {
    for (int x = rect.right - 1; x > (rect.left + rect.right) / 2; --x) {
      if (SendWithTimeout(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
        // Well inside the box, away from its edge.
        const int inset = GetSystemMetrics(SM_CXSIZE) / 3;
        return {x - inset, y + inset};
      }
    }
  }
  throw DriverError(L"no close box on the caption");
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

POINT Centre(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace e2e
