// CMenu: a menu handle and the operations on it.
// Needs: afx/platform.h.
#pragma once

#include "afx/platform.h"

class CMenu {
 public:
  CMenu() = default;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;

  void Attach(HMENU menu) { m_hMenu = menu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, const wchar_t* newItem = nullptr);
};
