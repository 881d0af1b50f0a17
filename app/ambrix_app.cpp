#include "ambrix_app.h"

#include "ambrix_dlg.h"

BEGIN_MESSAGE_MAP(CAmbrixApp, CWinApp)
  ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CAmbrixApp::CAmbrixApp() : CWinApp(nullptr) {}

CAmbrixApp::~CAmbrixApp() = default;

// The one application object; the framework's entry point finds it.
CAmbrixApp theApp;

BOOL CAmbrixApp::InitInstance() {
  // The link control is not in this set: each dialog made from a template
  // registers the newer classes it may need.
  INITCOMMONCONTROLSEX classes;
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_WIN95_CLASSES;
  InitCommonControlsEx(&classes);

  CWinApp::InitInstance();
  AfxEnableControlContainer(nullptr);
  SetRegistryKey(L"应用程序向导生成的本地应用程序");

  CAmbrixDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();

  // The dialog has ended: no message loop, straight to the exit step.
  return FALSE;
}
