#include "parse_entry_case_generator.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>

#include "big_unsigned.h"

namespace ambrix_test {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

std::u16string Widen(const std::string& ascii) {
  return {ascii.begin(), ascii.end()};
}

double NextDown(double value) {
  return std::nextafter(value, 0.0);
}
double NextUp(double value) {
  return std::nextafter(value, kLargest);
}

// The first `count` digits, then `nudge` (-1, 0 or +1) units of the last one.
ExactDecimal Cut(const ExactDecimal& exact, std::size_t count, int nudge) {
  if (count >= exact.digits.size())
    count = exact.digits.size();
  std::string digits = exact.digits.substr(0, count);
  const std::int64_t exponent =
      exact.exponent + static_cast<std::int64_t>(exact.digits.size() - count);
  if (nudge > 0) {
    std::size_t at = digits.size();
    while (at > 0 && digits[at - 1] == '9')
      digits[--at] = '0';
    if (at == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[at - 1];
    }
  } else if (nudge < 0) {
    std::size_t at = digits.size();
    while (at > 0 && digits[at - 1] == '0')
      digits[--at] = '9';
    if (at > 0)
      --digits[at - 1];
    const std::size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
  }
  return {false, digits, exponent};
}

ExactDecimal FromScientific(const char* printed) {
  std::string digits;
  const char* at = printed;
  for (; *at != 'e'; ++at) {
    if (*at != '.')
      digits.push_back(*at);
  }
  const long exponent = std::strtol(at + 1, nullptr, 10);
  return {false, digits, exponent - static_cast<std::int64_t>(digits.size() - 1)};
}

ExactDecimal TwoToThe1024() {
  return DecimalOfDyadic(BigUnsigned(1), 1024);
}

}  // namespace

double EntryCaseGenerator::FiniteDouble() {
  for (;;) {
    const double value = std::bit_cast<double>(random_() >> 1);
    if (std::isfinite(value))
      return value;
  }
}

double EntryCaseGenerator::Subnormal() {
  return std::bit_cast<double>(Below((std::uint64_t{1} << 52) - 1) + 1);
}

std::string EntryCaseGenerator::RandomDigitString(int length) {
  std::string digits;
  for (int i = 0; i < length; ++i)
    digits.push_back(static_cast<char>('0' + BelowInt(10)));
  if (digits[0] == '0')
    digits[0] = static_cast<char>('1' + BelowInt(9));
  return digits;
}

// The exact number now and then, mostly cut to a few digits and moved by at
// most one unit of the last, which keeps it next to the exact point.
ExactDecimal EntryCaseGenerator::Variant(const ExactDecimal& exact, int fewest_digits) {
  if (OneIn(8))
    return exact;
  const int count = fewest_digits + BelowInt(20 - fewest_digits);
  return Cut(exact, static_cast<std::size_t>(count), BelowInt(3) - 1);
}

std::u16string EntryCaseGenerator::Spell(const ExactDecimal& number) {
  static const char16_t* const kSpaces[] = {u" ", u"\t", u"\u00A0", u"\u3000", u"\r\n \v\f"};
  static const char* const kJunk[] = {"x",   "e",   "E+", "d-",  "e-x", ",5", " 7", ".",
                                      "..1", "abc", "e7", "D-2", ".5",  "-3", "%"};
  std::u16string text;
  if (OneIn(10))
    text += kSpaces[Below(std::size(kSpaces))];
  const int sign = BelowInt(8);
  if (sign == 0)
    text += u'+';
  if (sign == 1 || sign == 2)
    text += u'-';

  const std::string digits = number.digits.empty() ? "0" : number.digits;
  const auto length = static_cast<std::int64_t>(digits.size());
  const std::int64_t magnitude = number.exponent + length;  // value < 10^magnitude
  std::int64_t shown;                                       // digits before the point
  switch (BelowInt(5)) {
    case 0:
      shown = 1;
      break;
    case 1:
      shown = length;
      break;
    case 2:
      shown = BelowInt(static_cast<int>(length) + 1);
      break;
    case 3:
      shown = magnitude >= -30 && magnitude <= 40 ? magnitude : 1;  // no exponent needed
      break;
    default:
      shown = OneIn(2) ? -BelowInt(4) : length + BelowInt(4);
      break;
  }
  const std::int64_t exponent = magnitude - shown;

  if (OneIn(12))
    text += OneIn(2) ? u"0" : u"000";
  if (shown <= 0) {
    if (!OneIn(3))
      text += u'0';
    text += u'.';
    text.append(static_cast<std::size_t>(-shown), u'0');
    text += Widen(digits);
  } else if (shown >= length) {
    text += Widen(digits);
    text.append(static_cast<std::size_t>(shown - length), u'0');
    static const char16_t* const kEndings[] = {u".", u".0", u".000", u"", u"", u""};
    text += kEndings[Below(std::size(kEndings))];
  } else {
    const auto split = static_cast<std::size_t>(shown);
    text += Widen(digits.substr(0, split)) + u'.' + Widen(digits.substr(split));
  }

  if (exponent != 0 || OneIn(6)) {
    static const char16_t kLetters[] = {u'e', u'e', u'e', u'e', u'E', u'd', u'D'};
    text += kLetters[Below(std::size(kLetters))];
    if (exponent < 0) {
      text += u'-';
    } else if (OneIn(4)) {
      text += u'+';
    }
    if (OneIn(10))
      text.append(OneIn(4) ? 25 : Below(4) + 1, u'0');
    text += Widen(std::to_string(exponent < 0 ? -exponent : exponent));
  }
  if (OneIn(8))
    text += Widen(kJunk[Below(std::size(kJunk))]);
  return text;
}

std::u16string EntryCaseGenerator::RandomDouble() {
  char printed[64];
  std::snprintf(printed, sizeof printed, "%.*e", BelowInt(19), FiniteDouble());
  return Spell(FromScientific(printed));
}

std::u16string EntryCaseGenerator::RandomDigits() {
  const int length = 1 + BelowInt(19);
  const std::int64_t magnitude = -330 + BelowInt(643);
  return Spell({false, RandomDigitString(length), magnitude - length});
}

std::u16string EntryCaseGenerator::NearHalfway() {
  const double value = OneIn(8) ? Subnormal() : FiniteDouble();
  return Spell(Variant(HalfwayAbove(value), 15));
}

// n * 2^j with n odd of 54 bits is halfway between two doubles. It needs few
// decimal digits when n = t * 5^k, being t * 2^(j-k) * 10^k; small k include
// exponents where a single product of doubles would round the tie to even.
std::u16string EntryCaseGenerator::ShortHalfway() {
  const int k = BelowInt(24);
  const std::uint64_t five_to_k = [&] {
    std::uint64_t power = 1;
    for (int i = 0; i < k; ++i)
      power *= 5;
    return power;
  }();
  const std::uint64_t lowest = ((std::uint64_t{1} << 53) + five_to_k - 1) / five_to_k;
  const std::uint64_t highest = ((std::uint64_t{1} << 54) - 1) / five_to_k;
  std::uint64_t t = lowest + Below(highest - lowest + 1);
  if (t % 2 == 0)
    t = t + 1 <= highest ? t + 1 : t - 1;
  const int t_bits = 64 - std::countl_zero(t);
  const int j = -3 + BelowInt(k + 62 - t_bits + 4);
  const ExactDecimal halfway = DecimalOfDyadic(BigUnsigned(t * five_to_k), j);
  return Spell(Cut(halfway, halfway.digits.size(), BelowInt(3) - 1));
}

std::u16string EntryCaseGenerator::NearPowerOfTwo() {
  const double power = std::ldexp(1.0, -1074 + BelowInt(2098));
  switch (BelowInt(5)) {
    case 0:
      return Spell(Variant(ExactValueOf(power), 15));
    case 1:
      return Spell(Variant(ExactValueOf(NextDown(power)), 15));
    case 2:
      return Spell(Variant(ExactValueOf(NextUp(power)), 15));
    case 3:
      return Spell(Variant(HalfwayAbove(NextDown(power)), 15));
    default:
      return Spell(Variant(HalfwayAbove(power), 15));
  }
}

std::u16string EntryCaseGenerator::OverflowEdge() {
  switch (BelowInt(6)) {
    case 0:
      return Spell(Variant(ExactValueOf(kLargest), 1));
    case 1:
      return Spell(Variant(ExactValueOf(NextDown(kLargest)), 1));
    case 2:
      return Spell(Variant(HalfwayAbove(kLargest), 1));
    case 3:
      return Spell(Variant(HalfwayAbove(NextDown(kLargest)), 1));
    case 4:
      return Spell(Variant(TwoToThe1024(), 1));
    default:
      return Spell(Variant(
          ExactValueOf(NextDown(kLargest) - std::ldexp(static_cast<double>(Below(1 << 20)), 960)),
          10));
  }
}

std::u16string EntryCaseGenerator::SubnormalEdge() {
  const double smallest = std::numeric_limits<double>::denorm_min();
  const double smallest_normal = std::numeric_limits<double>::min();
  const double near_normal =
      std::bit_cast<double>(std::bit_cast<std::uint64_t>(smallest_normal) - 1000 + Below(2001));
  const double candidates[] = {
      smallest,        2 * smallest, 3 * smallest, NextDown(smallest_normal),
      smallest_normal, near_normal,  Subnormal(),  0.0};
  const double value = candidates[Below(std::size(candidates))];
  if (OneIn(2))
    return Spell(Variant(HalfwayAbove(value), 1));
  if (value == 0)
    return Spell({false, RandomDigitString(1 + BelowInt(19)), -340 - BelowInt(10)});
  return Spell(Variant(ExactValueOf(value), 1));
}

std::u16string EntryCaseGenerator::LongDigits() {
  const std::int64_t magnitude = -330 + BelowInt(643);
  std::string digits;
  switch (BelowInt(3)) {
    case 0:
      digits = RandomDigitString(20 + BelowInt(781));
      break;
    case 1:  // exact despite the length: only zeros after the 19th digit
      digits = RandomDigitString(1 + BelowInt(19)) + std::string(Below(300) + 1, '0');
      break;
    default:  // one more non-zero digit far behind
      digits = RandomDigitString(19) + std::string(Below(300), '0') + RandomDigitString(1);
      break;
  }
  return Spell({false, digits, magnitude - static_cast<std::int64_t>(digits.size())});
}

std::u16string EntryCaseGenerator::ExactArithmeticEdge() {
  const std::uint64_t two_to_53 = std::uint64_t{1} << 53;
  std::uint64_t digits;
  std::int64_t exponent;
  switch (BelowInt(3)) {
    case 0: {  // digits * 5^q just below and above 2^53
      exponent = BelowInt(23);
      std::uint64_t power = 1;
      for (std::int64_t i = 0; i < exponent; ++i)
        power *= 5;
      digits = two_to_53 / power + Below(7);
      digits = digits > 3 ? digits - 3 : 1;
      break;
    }
    case 1:
      digits = two_to_53 - 3 + Below(7);
      exponent = -23 + BelowInt(47);
      break;
    default:
      digits = 1 + Below(two_to_53);
      exponent = -23 + BelowInt(47);
      break;
  }
  return Spell({false, std::to_string(digits), exponent});
}

std::u16string EntryCaseGenerator::ClampedExponent() {
  const std::size_t zeros = 5100 + Below(201);
  const std::string digits = RandomDigitString(1 + BelowInt(19));
  std::string exponent;
  switch (BelowInt(4)) {
    case 0:
      exponent = std::to_string(zeros - 20 + Below(41));
      break;
    case 1:
      exponent = std::to_string(5198 + Below(6));
      break;
    case 2:
      exponent = std::string(Below(30) + 5, '9');
      break;
    default:
      exponent = std::string(Below(30), '0') + std::to_string(5195 + Below(12));
      break;
  }
  std::string text = OneIn(2) ? "-" : "";
  if (OneIn(2)) {
    text += "0." + std::string(zeros, '0') + digits + "e" + exponent;
  } else {
    text += digits + std::string(zeros, '0') + "e-" + exponent;
  }
  return Widen(text);
}

std::u16string EntryCaseGenerator::Grammar() {
  static const char16_t kAlphabet[] = u"0123456789012345.eEdD+-+- x,\t\u00A0\u3000\uFF11\uFF0E";
  std::u16string text;
  for (int length = BelowInt(11); length > 0; --length) {
    text += kAlphabet[Below(std::size(kAlphabet) - 1)];
  }
  return text;
}

}  // namespace ambrix_test
