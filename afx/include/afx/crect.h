// CRect: a RECT with the usual helpers.
// Needs: afx/platform.h.
#pragma once

#include "afx/platform.h"

class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
  int Width() const { return static_cast<int>(right - left); }
  int Height() const { return static_cast<int>(bottom - top); }
  operator RECT*() { return this; }
  operator const RECT*() const { return this; }
};
