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
// conversion to visit.Fixed3 with its value's position or to visit.Decimal.
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
      visit.Fixed3(static_cast<std::size_t>(next - values.begin()), next->AsDouble());
    } else {
      visit.Decimal(next->AsInt());
    }
    if (next != values.end())
      ++next;
    i = percent + conversion.size();
  }
}

// The renderings of the first few doubles are kept from the measuring walk for
// the writing walk; the templates in use have one or two conversions.
constexpr std::size_t kKeptLayouts = 4;

struct Measure {
  std::size_t length = 0;
  detail::Fixed3Layout kept[kKeptLayouts];

  void Literal(std::u16string_view text) { length += text.size(); }
  void Fixed3(std::size_t index, double value) {
    if (index < kKeptLayouts) {
      kept[index] = detail::LayOutFixed3(value);
      length += kept[index].length;
    } else {
      length += detail::LayOutFixed3(value).length;
    }
  }
  void Decimal(std::int32_t value) { length += DecimalTextLength(value); }
};

struct Write {
  const Measure& measured;
  char16_t* out;

  void Literal(std::u16string_view text) { out = std::copy(text.begin(), text.end(), out); }
  void Fixed3(std::size_t index, double value) {
    if (index < kKeptLayouts) {
      detail::WriteFixed3(out, measured.kept[index]);
      out += measured.kept[index].length;
    } else {
      out = detail::WriteFixed3(out, value);
    }
  }
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
  // Measured first, then written once in place: one allocation of the exact
  // size, or none when the text fits the string's own small buffer.
  Measure measure;
  WalkTemplate(pattern, values, measure);
  std::u16string out(measure.length, u'\0');
  Write write{measure, out.data()};
  WalkTemplate(pattern, values, write);
  return out;
}

}  // namespace calc
