// The parts of CDialog that are the same on every backend.
#include "afx/cdialog.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

BOOL CDialog::OnInitDialog() {
  const BOOL listsFilled = ExecuteDlgInit(m_nIDTemplate);
  const BOOL controlsBound = UpdateData(FALSE);
  if (!listsFilled || !controlsBound)
    EndDialog(-1);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE))
    return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}
