// CString resources, CMenu, CDC, CPaintDC and list texts over Win32.
#include "afx/ccombobox.h"
#include "afx/cdc.h"
#include "afx/cwinapp.h"

BOOL CString::LoadString(UINT id) {
  const wchar_t* resource = nullptr;
  // With a zero buffer size the call gives a pointer into the resource itself.
  const int length =
      ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
  if (length <= 0 || resource == nullptr) {
    text_.clear();
    return FALSE;
  }
  text_.assign(resource, static_cast<std::size_t>(length));
  return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, const wchar_t* newItem) {
  return ::AppendMenuW(m_hMenu, flags, idNewItem, newItem);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
  return ::DrawIcon(m_hDC, x, y, icon);
}

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) {
  m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
  ::EndPaint(m_hWnd, &m_ps);
}

void CComboBox::GetLBText(int position, CString& text) {
  std::wstring& buffer = text.Native();
  const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(position));
  if (length < 0) {
    buffer.clear();
    return;
  }
  buffer.assign(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(position),
                                     reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
}
