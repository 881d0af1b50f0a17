// CComboBox: a combo box.
// Needs: afx/cwnd.h.
#pragma once

#include "afx/cwnd.h"

class CComboBox : public CWnd {
 public:
  // The selected position, CB_ERR (-1) when nothing is selected.
  int GetCurSel() { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int SetCurSel(int position) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(position)));
  }
  int GetCount() { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int AddString(const wchar_t* text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  void GetLBText(int position, CString& text);
};
