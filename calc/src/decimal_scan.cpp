#include "decimal_scan.h"

#include "white_space.h"

namespace calc::detail {
namespace scan {
namespace {

const char16_t* SkipZeros(const char16_t* at, const char16_t* end) {
  while (at != end && *at == u'0')
    ++at;
  return at;
}

const char16_t* SkipDigits(const char16_t* at, const char16_t* end) {
  if constexpr (kCanReadDigitsInBlocks) {
    while (end - at >= 4 && AreFourDigits(LoadFourUnits(at)))
      at += 4;
  }
  while (IsDigitAt(at, end))
    ++at;
  return at;
}

}  // namespace
}  // namespace scan

// Leading zeros are skipped so that they take no room among the 19 kept
// digits; later digits are dropped, the integer ones counting as powers of ten.
ScannedDecimal ScanDecimal(std::u16string_view text) {
  using namespace scan;
  const char16_t* at = text.data();
  const char16_t* const end = at + text.size();
  while (at != end && IsLeadingSpace(*at))
    ++at;
  const bool negative = at != end && *at == u'-';
  if (at != end && (*at == u'-' || *at == u'+'))
    ++at;

  const char16_t* const integer = at;
  at = SkipZeros(at, end);
  std::uint64_t digits = 0;
  const char16_t* const integer_kept = KeepDigits(at, Limit(at, end, kKeptDigits), digits);
  const std::int64_t kept = integer_kept - at;
  at = SkipDigits(integer_kept, end);
  std::int64_t exponent = at - integer_kept;
  bool has_digits = at != integer;

  if (at != end && *at == u'.') {
    const char16_t* const fraction = ++at;
    if (kept == 0)
      at = SkipZeros(at, end);
    const char16_t* const fraction_kept =
        KeepDigits(at, Limit(at, end, kKeptDigits - kept), digits);
    exponent -= fraction_kept - fraction;
    at = SkipDigits(fraction_kept, end);
    has_digits = has_digits || at != fraction;
  }
  if (!has_digits)
    return {false, 0, 0};
  return {negative, digits, exponent + ReadExponent(at, end)};
}

}  // namespace calc::detail
