// CDialog: a modal dialog built from a dialog template resource.
// Needs: afx/cwnd.h.
#pragma once

#include "afx/cwnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Creates the dialog from its template, owned by the application's main
  // window unless a parent was given, and runs it until it ends. Returns the
  // value given to EndDialog, or -1 when the dialog could not be created.
  virtual INT_PTR DoModal();

  // Fills lists from the template's initialisation data, then binds the
  // controls (UpdateData(FALSE)); either failing ends the dialog with -1.
  // TRUE: the system puts the focus on the first tab stop.
  virtual BOOL OnInitDialog();

  void EndDialog(int result);

 protected:
  // Command IDOK: UpdateData(TRUE), then EndDialog(IDOK) if that succeeded.
  virtual void OnOK();
  // Command IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();

  // Sends each entry of dialog-initialisation resource `templateId` to its
  // control; FALSE when an entry could not be carried out.
  BOOL ExecuteDlgInit(UINT templateId);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

  DECLARE_MESSAGE_MAP()

 private:
  bool m_templateAtOrigin = false;  // template places the dialog at 0, 0
  DWORD m_templateStyle = 0;

 public:
  // For the backend: the initialisation step that surrounds OnInitDialog,
  // with the automatic centring of a dialog its initialisation left alone.
  BOOL HandleInitDialog();
};
