#include "calc/format_result.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fixed3_writer.h"

namespace calc {
namespace {

constexpr std::u16string_view kFixed3 = u"%.3f";
constexpr std::u16string_view kDecimal = u"%d";

// Work on the magnitude as unsigned so that -2147483648 needs no special case.
std::uint32_t Magnitude(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return value < 0 ? 0u - bits : bits;
}

std::size_t DecimalTextLength(std::int32_t value) {
  std::size_t length = value < 0 ? 2 : 1;
  for (std::uint32_t rest = Magnitude(value) / 10; rest != 0; rest /= 10)
    ++length;
  return length;
}

char16_t* WriteDecimal(char16_t* out, std::int32_t value) {
  char16_t* end = out + DecimalTextLength(value);
  std::uint32_t magnitude = Magnitude(value);
  char16_t* p = end;
  do {
    *--p = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0)
    *--p = u'-';
  return end;
}

// Walks the template in order: literal text (including a conversion that has
// no fitting value, which stays visible) goes to visit.Literal, each filled
// conversion to visit.Fixed3 or visit.Decimal.
template <class Visitor>
void WalkTemplate(std::u16string_view pattern, std::initializer_list<FormatValue> values,
                  Visitor& visit) {
  const FormatValue* next = values.begin();
  const std::size_t size = pattern.size();
  std::size_t i = 0;
  while (i < size) {
    std::size_t percent = i;
    while (percent < size && pattern[percent] != u'%')
      ++percent;
    if (percent > i)
      visit.Literal(pattern.substr(i, percent - i));
    if (percent == size)
      break;
    const std::u16string_view rest = pattern.substr(percent);
    const bool fixed = rest.size() >= 4 && rest[1] == u'.' && rest[2] == u'3' && rest[3] == u'f';
    const bool decimal = !fixed && rest.size() >= 2 && rest[1] == u'd';
    if (!fixed && !decimal) {
      visit.Literal(rest.substr(0, 1));
      i = percent + 1;
      continue;
    }
    const std::u16string_view conversion = fixed ? kFixed3 : kDecimal;
    if (next == values.end() || next->IsDouble() != fixed) {
      visit.Literal(conversion);
    } else if (fixed) {
      visit.Fixed3(next->AsDouble());
    } else {
      visit.Decimal(next->AsInt());
    }
    if (next != values.end())
      ++next;
    i = percent + conversion.size();
  }
}

// Room for the message: the template, plus for each value what its text can
// add beyond the conversion it replaces. A value without a conversion, or
// whose conversion is of the other type, adds nothing.
std::size_t LengthBound(std::u16string_view pattern, std::initializer_list<FormatValue> values) {
  std::size_t length = pattern.size();
  for (const FormatValue& value : values) {
    const std::size_t text = value.IsDouble() ? detail::Fixed3LengthBound(value.AsDouble())
                                              : DecimalTextLength(value.AsInt());
    const std::size_t conversion = value.IsDouble() ? kFixed3.size() : kDecimal.size();
    length += text > conversion ? text - conversion : 0;
  }
  return length;
}

struct Write {
  char16_t* out;

  void Literal(std::u16string_view text) { out = std::copy(text.begin(), text.end(), out); }
  void Fixed3(double value) { out = detail::WriteFixed3(out, value); }
  void Decimal(std::int32_t value) { out = WriteDecimal(out, value); }
};

}  // namespace

void AppendDecimal(std::u16string& out, std::int32_t value) {
  const std::size_t old_size = out.size();
  out.resize(old_size + DecimalTextLength(value));
  WriteDecimal(out.data() + old_size, value);
}

std::u16string FormatResultValues(std::u16string_view pattern,
                                  std::initializer_list<FormatValue> values) {
  // Room is made first, from a bound that needs no digits, so that the text is
  // written once, in place; a short result fits the string's own small buffer
  // and needs no allocation at all.
  std::u16string out(LengthBound(pattern, values), u'\0');
  Write write{out.data()};
  WalkTemplate(pattern, values, write);
  out.resize(static_cast<std::size_t>(write.out - out.data()));
  return out;
}

}  // namespace calc
