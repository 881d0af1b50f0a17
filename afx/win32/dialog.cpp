// CDialog over Win32: modal runs of dialog templates.
#include <cstddef>
#include <span>

#include "afx/cdialog.h"
#include "afx/cwinapp.h"
#include "dlginit.h"
#include "resources.h"
#include "window_binding.h"

namespace {

// The common-control classes newer than ICC_WIN95_CLASSES, the link control
// among them: registered for every dialog made from a template, so that the
// template's controls find their classes.
constexpr DWORD kNewerControlClasses =
    ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_INTERNET_CLASSES |
    ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS | ICC_STANDARD_CLASSES | ICC_LINK_CLASS;

struct TemplatePlacement {
  DWORD style;
  short x;
  short y;
};

// Style and position from a DLGTEMPLATE or a DLGTEMPLATEEX.
TemplatePlacement ReadPlacement(std::span<const std::byte> dialogTemplate) {
  const auto word = [&](std::size_t at) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(dialogTemplate[at]) |
                                      std::to_integer<unsigned>(dialogTemplate[at + 1]) << 8);
  };
  const auto dword = [&](std::size_t at) {
    return static_cast<DWORD>(word(at) | static_cast<DWORD>(word(at + 2)) << 16);
  };
  if (dialogTemplate.size() >= 22 && word(2) == 0xFFFF) {  // extended: signature 0xFFFF
    return {dword(12), static_cast<short>(word(18)), static_cast<short>(word(20))};
  }
  if (dialogTemplate.size() >= 14) {
    return {dword(0), static_cast<short>(word(10)), static_cast<short>(word(12))};
  }
  return {0, 0, 0};
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG)
    return FALSE;  // the rest reaches the object subclassed
  auto* dialog = reinterpret_cast<CDialog*>(lParam);
  afx::win32::SubclassWindow(window, *dialog);
  afx::win32::SetCurrentMessage(window, message, wParam, lParam);
  return dialog->HandleInitDialog();
}

}  // namespace

INT_PTR CDialog::DoModal() {
  const std::span<const std::byte> dialogTemplate =
      afx::win32::FindResourceBytes(MAKEINTRESOURCEW(m_nIDTemplate), RT_DIALOG);
  if (dialogTemplate.empty())
    return -1;
  const TemplatePlacement placement = ReadPlacement(dialogTemplate);
  m_templateStyle = placement.style;
  m_templateAtOrigin = placement.x == 0 && placement.y == 0;

  INITCOMMONCONTROLSEX classes{sizeof classes, kNewerControlClasses};
  InitCommonControlsEx(&classes);

  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (owner == nullptr && AfxGetMainWnd() != this && AfxGetMainWnd() != nullptr) {
    owner = AfxGetMainWnd()->m_hWnd;
  }
  return DialogBoxIndirectParamW(AfxGetResourceHandle(),
                                 reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), owner,
                                 &DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::HandleInitDialog() {
  RECT before;
  ::GetWindowRect(m_hWnd, &before);
  const BOOL result = OnInitDialog();
  if (m_hWnd == nullptr)
    return result;

  // A dialog that its initialisation neither showed nor moved, placed at 0, 0
  // by a template without a centring or alignment style, is centred over its
  // (disabled, modal) owner.
  RECT after;
  ::GetWindowRect(m_hWnd, &after);
  const LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  const bool moved = !EqualRect(&before, &after);
  const bool placedByTemplate =
      m_templateAtOrigin && (m_templateStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
  if (!(style & (WS_VISIBLE | WS_CHILD)) && !moved && placedByTemplate &&
      (owner == nullptr || !::IsWindowEnabled(owner))) {
    CenterWindow();
  }
  return result;
}

void CDialog::EndDialog(int result) {
  ::EndDialog(m_hWnd, result);
}

BOOL CDialog::ExecuteDlgInit(UINT templateId) {
  const std::span<const std::byte> data = afx::win32::FindResourceBytes(
      MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(afx::win32::kDlgInitResourceType));
  if (data.empty())
    return TRUE;  // nothing to fill
  using afx::detail::DlgInitEntry;
  const bool done = afx::detail::ForEachDlgInitEntry(data, [this](const DlgInitEntry& entry) {
    const LPARAM text = reinterpret_cast<LPARAM>(entry.data.data());
    if (entry.message == afx::detail::kDlgInitComboBoxAddString) {
      return SendDlgItemMessageA(m_hWnd, entry.controlId, CB_ADDSTRING, 0, text) >= 0;
    }
    if (entry.message == afx::detail::kDlgInitListBoxAddString) {
      return SendDlgItemMessageA(m_hWnd, entry.controlId, LB_ADDSTRING, 0, text) >= 0;
    }
    SendDlgItemMessageA(m_hWnd, entry.controlId, entry.message, 0, text);
    return true;
  });
  return done ? TRUE : FALSE;
}
