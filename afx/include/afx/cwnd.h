// CWnd: a window handle, the operations on it, and message dispatch through
// the message maps.
// Needs: afx/platform.h, afx/message_map.h, afx/cstring.h, afx/cmenu.h.
#pragma once

#include "afx/cmenu.h"
#include "afx/cstring.h"
#include "afx/message_map.h"
#include "afx/platform.h"

class CDataExchange;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;  // releases the binding; never destroys a bound control

  HWND m_hWnd = nullptr;

  // Binding to an existing window.
  HWND GetSafeHwnd() const { return m_hWnd; }
  BOOL Attach(HWND window);
  HWND Detach();

  // Window operations, each forwarding to the window.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void SetWindowText(const wchar_t* text);
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const;
  void GetDlgItem(int id, HWND* window) const;
  BOOL IsIconic() const;
  void GetClientRect(RECT* rect) const;
  HICON SetIcon(HICON icon, BOOL bigIcon);
  CMenu* GetSystemMenu(BOOL revert);
  int MessageBox(const wchar_t* text, const wchar_t* caption = nullptr, UINT type = MB_OK);
  // Centres the window over `alternateOwner` or its owner, within that
  // window's monitor work area; in the work area when the owner is hidden or
  // minimized.
  void CenterWindow(CWnd* alternateOwner = nullptr);

  // Data exchange: runs DoDataExchange; FALSE when a binding failed.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  // The message being handled, passed unchanged to the default processing.
  LRESULT Default();

  // Dispatch: the message map first, then the default processing.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Overridables.
  virtual void DoDataExchange(CDataExchange* pDX);

  // Default handlers that derived classes call on.
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  BOOL OnHelpInfo(HELPINFO* pHelpInfo);

  DECLARE_MESSAGE_MAP()

 public:
  // For the backend: the window procedure this window had before it was
  // subclassed, which does its default processing.
  WNDPROC m_pfnSuper = nullptr;

 private:
  CMenu m_systemMenu;
};
