// CAmbrixDlg: the calculator window.
#pragma once

#include "afx/afx.h"
#include "calc/average_current.h"

class CAmbrixDlg : public CDialog {
 public:
  explicit CAmbrixDlg(CWnd* parent = nullptr);
  ~CAmbrixDlg() override;

  DECLARE_MESSAGE_MAP()

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnCalcBatteryLife();
  void OnCalcAveragePower();
  void OnContactLinkClick(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  // The five rows as the window shows them now: the ten field texts first,
  // then the ten unit-list positions (-1 for a list without selection).
  calc::DutyWindows ReadDutyWindows();

  HICON m_hIcon;

  // Control order: five durations, five currents, the capacity.
  CEdit m_duration1, m_duration2, m_duration3, m_duration4, m_duration5;
  CEdit m_current1, m_current2, m_current3, m_current4, m_current5;
  CEdit m_capacity;
  // Then five time units, five current units, the capacity unit.
  CComboBox m_timeUnit1, m_timeUnit2, m_timeUnit3, m_timeUnit4, m_timeUnit5;
  CComboBox m_currentUnit1, m_currentUnit2, m_currentUnit3, m_currentUnit4, m_currentUnit5;
  CComboBox m_capacityUnit;
};
