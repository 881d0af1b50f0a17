#include "ambrix_dlg.h"

#include <array>
#include <cstddef>

#include "about_dlg.h"
#include "calc/calc.h"
#include "resource.h"

namespace {

void ShowResult(CWnd& owner, const calc::ResultMessage& message) {
  owner.MessageBox(CString::FromUtf16(message.text), CString::FromUtf16(message.title), MB_OK);
}

}  // namespace

CAmbrixDlg::CAmbrixDlg(CWnd* parent)
    : CDialog(IDD_CALCULATOR, parent), m_hIcon(AfxGetApp()->LoadIcon(IDI_APP)) {}

// The wrappers go in reverse control order, as members do, then the dialog base.
CAmbrixDlg::~CAmbrixDlg() = default;

void CAmbrixDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DURATION1, m_duration1);
  DDX_Control(pDX, IDC_DURATION2, m_duration2);
  DDX_Control(pDX, IDC_DURATION3, m_duration3);
  DDX_Control(pDX, IDC_DURATION4, m_duration4);
  DDX_Control(pDX, IDC_DURATION5, m_duration5);
  DDX_Control(pDX, IDC_CURRENT1, m_current1);
  DDX_Control(pDX, IDC_CURRENT2, m_current2);
  DDX_Control(pDX, IDC_CURRENT3, m_current3);
  DDX_Control(pDX, IDC_CURRENT4, m_current4);
  DDX_Control(pDX, IDC_CURRENT5, m_current5);
  DDX_Control(pDX, IDC_CAPACITY, m_capacity);
  DDX_Control(pDX, IDC_TIME_UNIT1, m_timeUnit1);
  DDX_Control(pDX, IDC_TIME_UNIT2, m_timeUnit2);
  DDX_Control(pDX, IDC_TIME_UNIT3, m_timeUnit3);
  DDX_Control(pDX, IDC_TIME_UNIT4, m_timeUnit4);
  DDX_Control(pDX, IDC_TIME_UNIT5, m_timeUnit5);
  DDX_Control(pDX, IDC_CURRENT_UNIT1, m_currentUnit1);
  DDX_Control(pDX, IDC_CURRENT_UNIT2, m_currentUnit2);
  DDX_Control(pDX, IDC_CURRENT_UNIT3, m_currentUnit3);
  DDX_Control(pDX, IDC_CURRENT_UNIT4, m_currentUnit4);
  DDX_Control(pDX, IDC_CURRENT_UNIT5, m_currentUnit5);
  DDX_Control(pDX, IDC_CAPACITY_UNIT, m_capacityUnit);
}

BEGIN_MESSAGE_MAP(CAmbrixDlg, CDialog)
  ON_WM_SYSCOMMAND()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_BN_CLICKED(IDC_CALC_BATTERY_LIFE, &CAmbrixDlg::OnCalcBatteryLife)
  ON_BN_CLICKED(IDC_CALC_AVERAGE_POWER, &CAmbrixDlg::OnCalcAveragePower)
  ON_NOTIFY(NM_CLICK, IDC_CONTACT_LINK, &CAmbrixDlg::OnContactLinkClick)
END_MESSAGE_MAP()

BOOL CAmbrixDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  // The About entry goes at the end of the system menu, after a separator.
  if (CMenu* systemMenu = GetSystemMenu(FALSE); systemMenu != nullptr) {
    CString aboutMenu;
    aboutMenu.LoadString(IDS_ABOUT_MENU);
    if (!aboutMenu.IsEmpty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, IDM_ABOUT, aboutMenu);
    }
  }

  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  for (CComboBox* list :
       {&m_timeUnit1, &m_timeUnit2, &m_timeUnit3, &m_timeUnit4, &m_timeUnit5, &m_currentUnit1,
        &m_currentUnit2, &m_currentUnit3, &m_currentUnit4, &m_currentUnit5, &m_capacityUnit}) {
    list->SetCurSel(0);
  }
  for (CEdit* field : {&m_duration1, &m_duration2, &m_duration3, &m_duration4, &m_duration5,
                       &m_current1, &m_current2, &m_current3, &m_current4, &m_current5}) {
    field->SetWindowText(L"0");
  }
  m_capacity.SetWindowText(L"2000");

  return TRUE;  // the focus goes to the first tab stop, window 1's duration
}

void CAmbrixDlg::OnSysCommand(UINT nID, LPARAM lParam) {
  // The low four bits of a system command belong to the system.
  if ((nID & 0xFFF0) == IDM_ABOUT) {
    CAboutDlg about;
    about.DoModal();
  } else {
    CDialog::OnSysCommand(nID, lParam);
  }
}

void CAmbrixDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  CRect rect;
  GetClientRect(&rect);
  const int x = (rect.Width() - cxIcon + 1) / 2;
  const int y = (rect.Height() - cyIcon + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CAmbrixDlg::OnQueryDragIcon() {
  return static_cast<HCURSOR>(m_hIcon);
}

calc::DutyWindows CAmbrixDlg::ReadDutyWindows() {
  const std::array<CEdit*, 5> durations = {&m_duration1, &m_duration2, &m_duration3, &m_duration4,
                                           &m_duration5};
  const std::array<CEdit*, 5> currents = {&m_current1, &m_current2, &m_current3, &m_current4,
                                          &m_current5};
  const std::array<CComboBox*, 5> timeUnits = {&m_timeUnit1, &m_timeUnit2, &m_timeUnit3,
                                               &m_timeUnit4, &m_timeUnit5};
  const std::array<CComboBox*, 5> currentUnits = {&m_currentUnit1, &m_currentUnit2, &m_currentUnit3,
                                                  &m_currentUnit4, &m_currentUnit5};
  calc::DutyWindows windows;
  CString text;
  for (std::size_t row = 0; row < windows.size(); ++row) {
    durations[row]->GetWindowText(text);
    windows[row].duration = text.ToUtf16();
  }
  for (std::size_t row = 0; row < windows.size(); ++row) {
    currents[row]->GetWindowText(text);
    windows[row].current = text.ToUtf16();
  }
  for (std::size_t row = 0; row < windows.size(); ++row) {
    windows[row].timeUnit = static_cast<calc::TimeUnit>(timeUnits[row]->GetCurSel());
  }
  for (std::size_t row = 0; row < windows.size(); ++row) {
    windows[row].currentUnit = static_cast<calc::CurrentUnit>(currentUnits[row]->GetCurSel());
  }
  return windows;
}

void CAmbrixDlg::OnCalcAveragePower() {
  const calc::DutyWindows windows = ReadDutyWindows();
  ShowResult(*this, calc::FormatAverageCurrentMessage(calc::ComputeAverageCurrent(windows)));
}

void CAmbrixDlg::OnCalcBatteryLife() {
  const double average = calc::ComputeAverageCurrent(ReadDutyWindows());
  // The capacity is read only after the rows.
  CString capacity;
  m_capacity.GetWindowText(capacity);
  const auto unit = static_cast<calc::CapacityUnit>(m_capacityUnit.GetCurSel());
  const calc::BatteryLife life = calc::ComputeBatteryLife(capacity.ToUtf16(), unit, average);
  ShowResult(*this, calc::FormatBatteryLifeMessage(life));
}

void CAmbrixDlg::OnContactLinkClick(NMHDR*, LRESULT* pResult) {
  ShellExecuteW(nullptr, L"Open", AMBRIX_CONTACT_ADDRESS, nullptr, nullptr, SW_SHOW);
  *pResult = 0;
}
