// The parts of CWinApp and the framework globals that are the same on every backend.
#include "afx/cwinapp.h"

namespace {

CWinApp* g_currentApp = nullptr;
bool g_controlContainerEnabled = false;

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const wchar_t* appName) {
  if (appName != nullptr) {
    m_appName = appName;
    m_pszAppName = m_appName.c_str();
  }
  g_currentApp = this;
}

CWinApp::~CWinApp() {
  if (g_currentApp == this)
    g_currentApp = nullptr;
}

BOOL CWinApp::InitApplication() {
  return TRUE;
}
BOOL CWinApp::InitInstance() {
  return TRUE;
}
int CWinApp::ExitInstance() {
  return 0;
}

void CWinApp::SetRegistryKey(const wchar_t* companyName) {
  m_registryKey = companyName ? companyName : L"";
  m_pszRegistryKey = m_registryKey.c_str();
  m_profileName = m_pszAppName ? m_pszAppName : L"";
  m_pszProfileName = m_profileName.c_str();
}

CWinApp* AfxGetApp() {
  return g_currentApp;
}

CWnd* AfxGetMainWnd() {
  return g_currentApp ? g_currentApp->m_pMainWnd : nullptr;
}

void AfxEnableControlContainer(COccManager*) {
  g_controlContainerEnabled = true;
}
bool AfxControlContainerEnabled() {
  return g_controlContainerEnabled;
}
