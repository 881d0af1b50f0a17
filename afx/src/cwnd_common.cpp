// The parts of CWnd that are the same on every backend.
#include "afx/cwinapp.h"
#include "afx/data_exchange.h"
#include "afx/framework_ids.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_HELPINFO()
END_MESSAGE_MAP()

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return exchange.Failed() ? FALSE : TRUE;
}

void CWnd::OnSysCommand(UINT, LPARAM) {
  Default();
}
void CWnd::OnPaint() {
  Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
  return reinterpret_cast<HCURSOR>(Default());
}

// F1 becomes the framework's help command, sent to the main window and routed
// from there to the application.
BOOL CWnd::OnHelpInfo(HELPINFO*) {
  CWnd* main = AfxGetMainWnd();
  if (main != nullptr && main->m_hWnd != nullptr)
    main->SendMessage(WM_COMMAND, ID_HELP);
  return TRUE;
}
