// CWinApp: the application object, and the framework's globals.
// Needs: afx/cwnd.h.
#pragma once

#include <string>

#include "afx/cwnd.h"

class CWinApp : public CCmdTarget {
 public:
  // Records this object as the process's one application; `appName` null
  // means the executable's file name without its extension.
  explicit CWinApp(const wchar_t* appName = nullptr);
  ~CWinApp() override;

  // Overridables, in the order the framework calls them.
  virtual BOOL InitApplication();
  virtual BOOL InitInstance();
  virtual int Run();  // the message loop; only when InitInstance returned TRUE
  virtual int ExitInstance();

  // Names the per-user settings root. Nothing is created or stored by naming it.
  void SetRegistryKey(const wchar_t* companyName);

  // Icon resource `id` of the program at the system's large-icon size.
  HICON LoadIcon(UINT id) const;

  // The default help command: asks the help engine for the help file; when it
  // cannot start, says so in a message box.
  void OnHelp();

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  const wchar_t* m_pszAppName = nullptr;
  const wchar_t* m_pszRegistryKey = nullptr;
  const wchar_t* m_pszProfileName = nullptr;
  const wchar_t* m_pszHelpFilePath = nullptr;

  DECLARE_MESSAGE_MAP()

 public:
  // For the framework's start-up: instance, names and help path.
  void InitFramework(HINSTANCE instance);

 private:
  std::wstring m_appName;
  std::wstring m_registryKey;
  std::wstring m_profileName;
  std::wstring m_helpFilePath;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Lets dialogs host ActiveX controls through the default control-site manager
// when `manager` is null. No dialog of ours holds one.
class COccManager;
void AfxEnableControlContainer(COccManager* manager = nullptr);
bool AfxControlContainerEnabled();

// A message box with string resource `promptId`, captioned with the
// application name and owned by the main window.
int AfxMessageBox(UINT promptId, UINT type = MB_OK);

// The framework's entry point: finds the application object and runs it.
int AfxWinMain(HINSTANCE instance, const wchar_t* commandLine, int showCommand);
