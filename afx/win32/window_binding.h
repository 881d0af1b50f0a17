// Between the Win32 backend's files: attaching a CWnd to a live window.
#pragma once

#include "afx/cwnd.h"

namespace afx::win32 {

// Routes `window`'s messages through `wnd`'s message map; the old window
// procedure does the default processing. Undone when the window is destroyed.
void SubclassWindow(HWND window, CWnd& wnd);

// Makes a message that reached the backend outside the subclassed window
// procedure the one CWnd::Default passes on.
void SetCurrentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace afx::win32
