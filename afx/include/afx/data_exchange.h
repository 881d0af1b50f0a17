// CDataExchange and DDX_Control: binding wrapper objects to a dialog's controls.
// Needs: afx/cwnd.h.
#pragma once

#include "afx/cwnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
  CWnd* m_pDlgWnd;

  void Fail() { m_failed = true; }
  bool Failed() const { return m_failed; }

 private:
  bool m_failed = false;
};

// Binds `control` to the dialog's control `id` unless it is bound to it
// already; a missing control fails the exchange.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
