#include "afx/data_exchange.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  HWND item = nullptr;
  pDX->m_pDlgWnd->GetDlgItem(id, &item);
  if (item == nullptr) {
    pDX->Fail();
    return;
  }
  // A wrapper keeps its handle after its dialog ends; a new run of the dialog
  // has new controls, so bind again unless it is the same control.
  if (control.m_hWnd != item) {
    control.Detach();
    if (!control.Attach(item))
      pDX->Fail();
  }
}
