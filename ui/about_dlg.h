// CAboutDlg: the About box, reached from the calculator's system menu.
#pragma once

#include "afx/afx.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
  ~CAboutDlg() override;

  DECLARE_MESSAGE_MAP()
};
