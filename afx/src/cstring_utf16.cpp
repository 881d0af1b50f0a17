#include <cstddef>

#include "afx/cstring.h"

// wchar_t is UTF-16 on Windows and UTF-32 elsewhere.
std::u16string CString::ToUtf16() const {
  std::u16string out;
  out.reserve(text_.size());
  for (const wchar_t c : text_) {
    const auto unit = static_cast<char32_t>(c);
    if (sizeof(wchar_t) == 2 || unit < 0x10000) {
      out.push_back(static_cast<char16_t>(unit));
    } else {
      out.push_back(static_cast<char16_t>(0xD800 + ((unit - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((unit - 0x10000) & 0x3FF)));
    }
  }
  return out;
}

CString CString::FromUtf16(std::u16string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    if (sizeof(wchar_t) == 4 && unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() &&
        text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    out.push_back(static_cast<wchar_t>(unit));
  }
  return CString(std::move(out));
}
