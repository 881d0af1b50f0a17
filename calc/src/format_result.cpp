#include "calc/format_result.h"

#include <cstddef>

namespace calc {
namespace {

constexpr std::u16string_view kFixed3 = u"%.3f";
constexpr std::u16string_view kDecimal = u"%d";

}  // namespace

void AppendDecimal(std::u16string& out, std::int32_t value) {
  // Work on the magnitude as unsigned so that -2147483648 needs no special case.
  std::uint32_t magnitude = static_cast<std::uint32_t>(value);
  if (value < 0) {
    out.push_back(u'-');
    magnitude = 0u - magnitude;
  }
  char16_t digits[10];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0)
    out.push_back(digits[--count]);
}

std::u16string FormatResultValues(std::u16string_view pattern,
                                  std::initializer_list<FormatValue> values) {
  std::u16string out;
  out.reserve(pattern.size() + 16 * values.size());
  const FormatValue* next = values.begin();
  std::size_t i = 0;
  while (i < pattern.size()) {
    const std::u16string_view rest = pattern.substr(i);
    const bool fixed = rest.starts_with(kFixed3);
    const bool decimal = !fixed && rest.starts_with(kDecimal);
    if (!fixed && !decimal) {
      out.push_back(pattern[i++]);
      continue;
    }
    const std::u16string_view conversion = fixed ? kFixed3 : kDecimal;
    if (next == values.end() || next->IsDouble() != fixed) {
      out.append(conversion);  // no fitting value: leave the conversion visible
    } else if (fixed) {
      AppendFixed3(out, next->AsDouble());
    } else {
      AppendDecimal(out, next->AsInt());
    }
    if (next != values.end())
      ++next;
    i += conversion.size();
  }
  return out;
}

}  // namespace calc
