// "%.3f": the exact value rounded first to 17 significant digits, then to three
// decimals with halves away from zero; digits past the 17th print as zeros.
#include <bit>
#include <cstdint>

#include "calc/format_result.h"
#include "fixed3_decimal17.h"
#include "fixed3_digits.h"
#include "fixed3_nonfinite.h"

namespace calc {
namespace {

using detail::Decimal17;

constexpr std::uint64_t kPow10[18] = {1u,
                                      10u,
                                      100u,
                                      1000u,
                                      10000u,
                                      100000u,
                                      1000000u,
                                      10000000u,
                                      100000000u,
                                      1000000000u,
                                      10000000000u,
                                      100000000000u,
                                      1000000000000u,
                                      10000000000000u,
                                      100000000000000u,
                                      1000000000000000u,
                                      10000000000000000u,
                                      100000000000000000u};

// Sign, at most 309 integer digits, point and three decimals.
constexpr int kMaxLength = 1 + 309 + 4;

char16_t* WriteThousandths(char16_t* p, std::uint64_t thousandths) {
  p = detail::WriteUnsigned(p, thousandths / 1000);
  *p++ = u'.';
  return detail::WriteFixedWidth(p, static_cast<std::uint32_t>(thousandths % 1000), 3);
}

char16_t* WriteZeros(char16_t* p, int count) {
  for (; count > 0; --count)
    *p++ = u'0';
  return p;
}

char16_t* WriteInteger(char16_t* p, std::uint64_t integer) {
  p = detail::WriteUnsigned(p, integer);
  *p++ = u'.';
  return WriteZeros(p, 3);
}

// A magnitude of 10^13 or more: the 17 digits reach no further than the third
// decimal, so they print as they are, padded with zeros.
char16_t* WriteLarge(char16_t* p, Decimal17 d) {
  char16_t digits[17];
  detail::Write17Digits(digits, d.digits);
  const int integer_digits = d.exponent + 1;
  if (integer_digits >= 17) {
    for (char16_t digit : digits)
      *p++ = digit;
    p = WriteZeros(p, integer_digits - 17);
    *p++ = u'.';
    return WriteZeros(p, 3);
  }
  for (int i = 0; i < integer_digits; ++i)
    *p++ = digits[i];
  *p++ = u'.';
  for (int i = integer_digits; i < 17; ++i)
    *p++ = digits[i];
  return WriteZeros(p, 3 - (17 - integer_digits));
}

}  // namespace

void AppendFixed3(std::u16string& out, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biased_exponent = static_cast<int>((bits >> 52) & 0x7FF);
  if (biased_exponent == 0x7FF) {
    detail::AppendFixed3NonFinite(out, bits);
    return;
  }
  char16_t text[kMaxLength];
  char16_t* p = text;
  if ((bits >> 63) != 0)
    *p++ = u'-';

  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t m = biased_exponent == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  const int e = biased_exponent == 0 ? -1074 : biased_exponent - 1075;
  const std::uint64_t magnitude_bits = bits & ~(std::uint64_t{1} << 63);

  if (magnitude_bits < std::bit_cast<std::uint64_t>(4e-4)) {
    // Even rounded up to 17 digits such a value stays below 0.0005.
    p = WriteThousandths(p, 0);
  } else if (e >= 0 && e <= 3) {
    // An integer below 2^56 < 10^17: exact in 17 digits.
    p = WriteInteger(p, m << e);
  } else if (e < 0 && e >= -52 && (m & ((std::uint64_t{1} << -e) - 1)) == 0) {
    p = WriteInteger(p, m >> -e);  // also an integer below 2^53
  } else {
    const Decimal17 d = detail::ToDecimal17(m, e);
    if (d.exponent >= 13) {
      p = WriteLarge(p, d);
    } else {
      // d.exponent >= -4 here, so 1 <= dropped <= 17.
      const int dropped = 13 - d.exponent;
      const std::uint64_t unit = kPow10[dropped];
      p = WriteThousandths(p, (d.digits + unit / 2) / unit);
    }
  }
  out.append(text, static_cast<std::size_t>(p - text));
}

}  // namespace calc
