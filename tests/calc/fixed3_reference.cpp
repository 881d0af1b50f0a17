#include "fixed3_reference.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace fixed3_reference {
namespace {

// Unsigned integers in base 10^9, least significant limb first.
using Big = std::vector<std::uint32_t>;
constexpr std::uint64_t kBase = 1000000000;

Big MultiplySmall(const Big& a, std::uint32_t factor) {
  Big result;
  std::uint64_t carry = 0;
  for (std::uint32_t limb : a) {
    const std::uint64_t product = limb * std::uint64_t{factor} + carry;
    result.push_back(static_cast<std::uint32_t>(product % kBase));
    carry = product / kBase;
  }
  while (carry != 0) {
    result.push_back(static_cast<std::uint32_t>(carry % kBase));
    carry /= kBase;
  }
  return result;
}

Big Multiply(const Big& a, const Big& b) {
  std::vector<std::uint64_t> sums(a.size() + b.size() + 1, 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.size(); ++j) {
      const std::uint64_t t = sums[i + j] + std::uint64_t{a[i]} * b[j] + carry;
      sums[i + j] = t % kBase;
      carry = t / kBase;
    }
    for (std::size_t k = i + b.size(); carry != 0; ++k) {
      const std::uint64_t t = sums[k] + carry;
      sums[k] = t % kBase;
      carry = t / kBase;
    }
  }
  Big result(sums.begin(), sums.end());
  while (!result.empty() && result.back() == 0)
    result.pop_back();
  return result;
}

// floor(a / divisor)
Big DivideSmall(const Big& a, std::uint32_t divisor) {
  Big result(a.size());
  std::uint64_t remainder = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const std::uint64_t current = remainder * kBase + a[i];
    result[i] = static_cast<std::uint32_t>(current / divisor);
    remainder = current % divisor;
  }
  while (!result.empty() && result.back() == 0)
    result.pop_back();
  return result;
}

std::uint32_t RemainderSmall(const Big& a, std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (std::size_t i = a.size(); i-- > 0;)
    remainder = (remainder * kBase + a[i]) % divisor;
  return static_cast<std::uint32_t>(remainder);
}

Big FromUint64(std::uint64_t value) {
  Big result;
  for (; value != 0; value /= kBase)
    result.push_back(static_cast<std::uint32_t>(value % kBase));
  return result;
}

std::string ToDecimalString(const Big& a) {
  if (a.empty())
    return "0";
  std::string text = std::to_string(a.back());
  for (std::size_t i = a.size() - 1; i-- > 0;) {
    const std::string limb = std::to_string(a[i]);
    text += std::string(9 - limb.size(), '0') + limb;
  }
  return text;
}

// base^n, each computed once from the one before.
const Big& PowerOf(std::uint32_t base, int n) {
  static std::vector<Big> twos{Big{1}};
  static std::vector<Big> fives{Big{1}};
  std::vector<Big>& powers = base == 2 ? twos : fives;
  while (static_cast<int>(powers.size()) <= n)
    powers.push_back(MultiplySmall(powers.back(), base));
  return powers[static_cast<std::size_t>(n)];
}

// Adds one at the last place of a digit string; returns false if the carry ran
// out of the front (all nines), leaving the string all zeros.
bool Increment(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return true;
    }
    digits[i] = '0';
  }
  return false;
}

// A number as a digit string with the point after `point` digits (point may
// exceed the string; missing digits are zeros).
struct Digits {
  std::string all;
  std::size_t point;
};

Digits RoundedUp(Digits d, std::size_t keep) {
  d.all.resize(keep);
  if (!Increment(d.all)) {
    d.all.insert(d.all.begin(), '1');
    ++d.point;
  }
  return d;
}

// The two roundings and the layout, for one outcome of the first rounding.
std::string Finish(bool negative, Digits d) {
  // Second rounding: three decimals, a half (first dropped digit 5, after at
  // most 17 significant digits) goes away from zero.
  const std::size_t keep = d.point + 3;
  if (d.all.size() < keep)
    d.all.append(keep - d.all.size(), '0');
  if (d.all.size() > keep && d.all[keep] >= '5') {
    d = RoundedUp(d, keep);
  } else {
    d.all.resize(keep);
  }
  std::string integer = d.all.substr(0, d.point);
  const std::size_t first = integer.find_first_not_of('0');
  integer = first == std::string::npos ? "0" : integer.substr(first);
  return (negative ? "-" : "") + integer + "." + d.all.substr(d.point, 3);
}

std::vector<Digits> FirstRounding(double x) {
  const ExactDecimal exact = ExactDecimalOf(x);
  const Digits d{exact.integer + exact.fraction, exact.integer.size()};
  const std::size_t lead = d.all.find_first_not_of('0');
  if (lead == std::string::npos || d.all.size() - lead <= 17)
    return {d};
  const std::size_t keep = lead + 17;
  Digits down = d;
  down.all.replace(keep, std::string::npos, d.all.size() - keep, '0');
  const char next = d.all[keep];
  const bool rest_zero = d.all.find_first_not_of('0', keep + 1) == std::string::npos;
  Digits up = RoundedUp(d, keep);
  up.all.append(d.all.size() - keep, '0');
  if (next < '5')
    return {down};
  if (next > '5' || !rest_zero)
    return {up};
  return {down, up};
}

}  // namespace

ExactDecimal ExactDecimalOf(double x) {
  if (!std::isfinite(x))
    throw std::invalid_argument("finite values only");
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  const int e = biased == 0 ? -1074 : biased - 1075;
  if (e >= 0)
    return {ToDecimalString(Multiply(FromUint64(m), PowerOf(2, e))), ""};
  // m * 2^e = m * 5^-e / 10^-e
  std::string text = ToDecimalString(Multiply(FromUint64(m), PowerOf(5, -e)));
  const auto decimals = static_cast<std::size_t>(-e);
  if (text.size() <= decimals)
    text.insert(0, decimals + 1 - text.size(), '0');
  ExactDecimal result{text.substr(0, text.size() - decimals), text.substr(text.size() - decimals)};
  const std::size_t last = result.fraction.find_last_not_of('0');
  result.fraction.resize(last == std::string::npos ? 0 : last + 1);
  return result;
}

Scaled FloorOfScaled(std::uint64_t m, int e, int q) {
  // m * 5^q * 2^(e + q + 64): every factor above one first, then the floor of
  // the division by the rest, one small divisor at a time.
  Big x = FromUint64(m);
  const int twos = e + q + 64;
  if (q > 0)
    x = Multiply(x, PowerOf(5, q));
  if (twos > 0)
    x = Multiply(x, PowerOf(2, twos));
  for (int fives = -q; fives > 0; fives -= 13) {
    x = DivideSmall(x, fives >= 13 ? 1220703125u : PowerOf(5, fives).front());
  }
  for (int halvings = -twos; halvings > 0; halvings -= 16) {
    x = DivideSmall(x, halvings >= 16 ? 65536u : std::uint32_t{1} << halvings);
  }
  std::uint64_t words[2] = {0, 0};
  for (int i = 0; i < 8; ++i) {
    words[i / 4] |= std::uint64_t{RemainderSmall(x, 65536)} << (16 * (i % 4));
    x = DivideSmall(x, 65536);
  }
  if (!x.empty())
    throw std::out_of_range("scaled value of 2^128 or more");
  return {words[1], words[0]};
}

std::vector<Significant17> RoundTo17Digits(double x) {
  std::vector<Significant17> result;
  for (const Digits& d : FirstRounding(x)) {
    const std::size_t lead = d.all.find_first_not_of('0');
    if (lead == std::string::npos)
      continue;
    std::string digits = d.all.substr(lead, 17);
    digits.append(17 - digits.size(), '0');
    result.push_back({digits, static_cast<int>(d.point) - static_cast<int>(lead) - 1});
  }
  return result;
}

std::vector<std::string> Fixed3Texts(double x) {
  std::vector<std::string> texts;
  for (const Digits& d : FirstRounding(x))
    texts.push_back(Finish(std::signbit(x), d));
  return texts;
}

}  // namespace fixed3_reference
