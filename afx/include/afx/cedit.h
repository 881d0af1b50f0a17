// CEdit: an edit control.
// Needs: afx/cwnd.h.
#pragma once

#include "afx/cwnd.h"

class CEdit : public CWnd {
 public:
  void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
  void LimitText(int maxChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
};
