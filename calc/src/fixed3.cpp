// "%.3f": the exact value rounded first to 17 significant digits, then to three
// decimals with halves away from zero; digits past the 17th print as zeros.
#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>

#include "calc/format_result.h"
#include "fixed3_decimal17.h"
#include "fixed3_digits.h"
#include "fixed3_large.h"
#include "fixed3_nonfinite.h"
#include "fixed3_thousandths.h"
#include "fixed3_writer.h"

namespace calc {
namespace detail {
namespace {

// The rendering of one double worked out before anything is written: its
// exact length is known first. At most sixteen bytes, so that it travels in
// two registers where the calling convention allows.
struct Fixed3Layout {
  enum class Kind : std::uint8_t {
    kInteger,      // `integer` ".000", for an integer below 2^56
    kThousandths,  // `integer` thousandths, below 10^16
    kLarge,        // 17 digits `integer` for a decimal `exponent` of 13 or more, then zeros
    kNonFinite,    // `integer` holds the bits
  };
  std::uint64_t integer;
  std::int16_t exponent;
  std::uint16_t length;  // code units, sign included; at most 1 + 309 + 4
  Kind kind;
  bool negative;
};

Fixed3Layout Layout(Fixed3Layout::Kind kind, bool negative, std::uint64_t integer, int exponent,
                    std::size_t length) {
  assert(length <= 1 + 309 + 4);  // sign, 309 integer digits, point, decimals
  return {integer, static_cast<std::int16_t>(exponent), static_cast<std::uint16_t>(length), kind,
          negative};
}

std::size_t SignLength(bool negative) {
  return negative ? 1 : 0;
}

Fixed3Layout Integer(bool negative, std::uint64_t integer) {
  const auto digits = static_cast<std::size_t>(std::max(1, DecimalLength(integer)));
  return Layout(Fixed3Layout::Kind::kInteger, negative, integer, 0,
                SignLength(negative) + digits + 4);
}

// At least four digits ("0.xyz"), and the point.
Fixed3Layout Thousandths(bool negative, std::uint64_t thousandths) {
  const auto digits = static_cast<std::size_t>(std::max(4, DecimalLength(thousandths)));
  return Layout(Fixed3Layout::Kind::kThousandths, negative, thousandths, 0,
                SignLength(negative) + digits + 1);
}

inline Fixed3Layout LayOut(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const auto biased_exponent = static_cast<int>(bits >> 52) & 0x7FF;
  if (biased_exponent == 0x7FF) {
    return Layout(Fixed3Layout::Kind::kNonFinite, negative, bits, 0, Fixed3NonFiniteLength(bits));
  }
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t m = biased_exponent == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  const int e = biased_exponent == 0 ? -1074 : biased_exponent - 1075;
  const std::uint64_t magnitude_bits = bits & ~(std::uint64_t{1} << 63);

  if (magnitude_bits < std::bit_cast<std::uint64_t>(4e-4)) {
    // Even rounded up to 17 digits such a value stays below 0.0005.
    return Integer(negative, 0);
  }
  if (e >= 0 && e <= 3) {
    // An integer below 2^56 < 10^17: exact in 17 digits.
    return Integer(negative, m << e);
  }
  if (e < 0 && e >= -52 && (m & ((std::uint64_t{1} << -e) - 1)) == 0) {
    return Integer(negative, m >> -e);  // also an integer below 2^53
  }
  if (magnitude_bits < std::bit_cast<std::uint64_t>(1e13)) {
    return Thousandths(negative, RoundToThousandths(m, e));
  }
  const Decimal17 d = ToDecimal17(m, e);
  assert(d.exponent >= 13);
  return Layout(Fixed3Layout::Kind::kLarge, negative, d.digits, d.exponent,
                SignLength(negative) + static_cast<std::size_t>(d.exponent + 1) + 4);
}

inline void Write(char16_t* out, const Fixed3Layout& layout) {
  char16_t* end = out + layout.length;
  switch (layout.kind) {
    case Fixed3Layout::Kind::kNonFinite:
      WriteFixed3NonFinite(out, layout.integer);
      return;
    case Fixed3Layout::Kind::kInteger:
      end -= 4;
      std::fill(end, end + 4, u'0');
      *end = u'.';
      end = WriteUnsignedBackward(end, layout.integer);
      break;
    case Fixed3Layout::Kind::kThousandths: {
      const std::uint64_t integer = layout.integer / 1000;
      end = WriteFixedWidthBackward(end, layout.integer - integer * 1000, 3);
      *--end = u'.';
      end = WriteUnsignedBackward(end, integer);
      break;
    }
    case Fixed3Layout::Kind::kLarge:
      end = WriteLargeBackward(end, layout.integer, layout.exponent);
      break;
  }
  if (layout.negative)
    *--end = u'-';
  assert(end == out);
}

}  // namespace

char16_t* WriteFixed3(char16_t* out, double value) {
  const Fixed3Layout layout = LayOut(value);
  assert(layout.length <= Fixed3LengthBound(value));
  Write(out, layout);
  return out + layout.length;
}

}  // namespace detail

void AppendFixed3(std::u16string& out, double value) {
  const detail::Fixed3Layout layout = detail::LayOut(value);
  const std::size_t old_size = out.size();
  out.resize(old_size + layout.length);
  detail::Write(out.data() + old_size, layout);
}

}  // namespace calc
