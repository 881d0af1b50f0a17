// CString: a wide-character string, loadable from string resources.
// Needs: afx/platform.h.
#pragma once

#include <string>
#include <string_view>

#include "afx/platform.h"

class CString {
 public:
  CString() = default;
  CString(const wchar_t* text) : text_(text ? text : L"") {}
  CString(std::wstring text) : text_(std::move(text)) {}

  // Loads string resource `id` of the program; FALSE (and empty) when it is missing.
  BOOL LoadString(UINT id);

  bool IsEmpty() const { return text_.empty(); }
  int GetLength() const { return static_cast<int>(text_.size()); }
  const wchar_t* GetString() const { return text_.c_str(); }
  operator const wchar_t*() const { return text_.c_str(); }

  // UTF-16 views, for code that keeps its text as std::u16string.
  std::u16string ToUtf16() const;
  static CString FromUtf16(std::u16string_view text);

  std::wstring& Native() { return text_; }
  const std::wstring& Native() const { return text_; }

  friend bool operator==(const CString&, const CString&) = default;

 private:
  std::wstring text_;
};
