// CDC, a device-context handle, and CPaintDC, which paints a window between
// its construction and its destruction.
// Needs: afx/platform.h.
#pragma once

#include "afx/platform.h"

class CWnd;

class CDC {
 public:
  CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC() = default;

  HDC m_hDC = nullptr;

  HDC GetSafeHdc() const { return m_hDC; }
  // Draws `icon` at the system's large-icon size, top-left corner at x, y.
  BOOL DrawIcon(int x, int y, HICON icon);
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);  // begins painting
  ~CPaintDC() override;             // ends painting

  PAINTSTRUCT m_ps{};

 private:
  HWND m_hWnd;
};
