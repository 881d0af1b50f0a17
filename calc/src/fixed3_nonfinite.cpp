#include "fixed3_nonfinite.h"

#include <string_view>

namespace calc::detail {

namespace {

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;

std::u16string_view PseudoDigits(std::uint64_t bits) {
  constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;
  constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
  constexpr std::uint64_t kDefaultNaN = 0xFFF8000000000000u;  // x86's invalid-operation result
  if ((bits & kFractionMask) == 0)
    return u"1#INF";
  if (bits == kDefaultNaN)
    return u"1#IND";
  if ((bits & kQuietBit) != 0)
    return u"1#QNAN";
  return u"1#SNAN";
}

}  // namespace

std::size_t Fixed3NonFiniteLength(std::uint64_t bits) {
  return (bits & kSignBit) != 0 ? 6 : 5;
}

// A non-finite value is shown as a string of pseudo-digits with the sign in
// front and the point after the first character, rounded to three decimals the
// way a digit string would be: the first four characters stay and a fifth at or
// above '5' raises the fourth by one code. Every name's fifth character is a
// letter, above '5', so:
//   "1#INF"  -> "1.#IN", 'F' >= '5' -> "1.#IO"   (either infinity, signed)
//   "1#IND"  -> "1.#IN", 'D' >= '5' -> "-1.#IO"  (the invalid-operation default,
//                                                 whose sign bit is set)
//   "1#QNAN" -> "1.#QN", 'A' >= '5' -> "1.#QO"   (any other quiet NaN, signed)
//   "1#SNAN" -> "1.#SN", 'A' >= '5' -> "1.#SO"   (a signalling NaN, signed)
char16_t* WriteFixed3NonFinite(char16_t* out, std::uint64_t bits) {
  const std::u16string_view name = PseudoDigits(bits);
  if ((bits & kSignBit) != 0)
    *out++ = u'-';
  *out++ = name[0];
  *out++ = u'.';
  *out++ = name[1];
  *out++ = name[2];
  const bool round_up = name[4] >= u'5';
  *out++ = static_cast<char16_t>(name[3] + (round_up ? 1 : 0));
  return out;
}

}  // namespace calc::detail
