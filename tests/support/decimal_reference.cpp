#include "decimal_reference.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <limits>

namespace ambrix_test {
namespace {

// The rules' fixed list, and of the code units above U+00FF only the
// ideographic space, the one the generated texts use, which every platform
// classifies as a space.
bool IsSpace(char16_t unit) {
  return (unit >= 0x09 && unit <= 0x0D) || unit == 0x20 || unit == 0xA0 || unit == 0x3000;
}

bool IsDigit(char16_t unit) {
  return unit >= u'0' && unit <= u'9';
}

std::string TakeDigits(std::u16string_view text, std::size_t& at) {
  std::string digits;
  while (at < text.size() && IsDigit(text[at]))
    digits.push_back(static_cast<char>(text[at++]));
  return digits;
}

std::int64_t ClampedExponent(const std::string& digits) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos)
    return 0;
  const std::string significant = digits.substr(first);
  if (significant.size() > 4)
    return 5201;
  const std::int64_t value = std::stoll(significant);
  return value > 5200 ? 5201 : value;
}

// Strips leading and trailing zeros; trailing ones move into the exponent.
ExactDecimal Normalised(bool negative, std::string digits, std::int64_t exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos)
    return {negative, "", 0};
  const std::size_t last = digits.find_last_not_of('0');
  exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
  return {negative, digits.substr(first, last - first + 1), exponent};
}

// mantissa * 2^exponent.
struct Dyadic {
  BigUnsigned mantissa;
  std::int64_t exponent;
};

Dyadic DyadicOf(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t field = bits >> 52;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (field == 0)
    return {BigUnsigned(fraction), -1074};
  return {BigUnsigned(fraction | (std::uint64_t{1} << 52)),
          static_cast<std::int64_t>(field) - 1075};
}

Dyadic TwoToThe1024() {
  return {BigUnsigned(1), 1024};
}

Dyadic Midpoint(const Dyadic& a, const Dyadic& b) {
  const std::int64_t common = std::min(a.exponent, b.exponent);
  BigUnsigned x = a.mantissa;
  BigUnsigned y = b.mantissa;
  x.ShiftLeft(static_cast<int>(a.exponent - common));
  y.ShiftLeft(static_cast<int>(b.exponent - common));
  return {x + y, common - 1};
}

// The exact value of a positive finite double's successor, or 2^1024.
Dyadic Successor(double value) {
  if (value == std::numeric_limits<double>::max())
    return TwoToThe1024();
  return DyadicOf(std::nextafter(value, std::numeric_limits<double>::infinity()));
}

class ExactValue {
 public:
  explicit ExactValue(const ExactDecimal& number)
      : digits_(FromDigits(number.digits)),
        exponent_(number.exponent),
        magnitude_(static_cast<std::int64_t>(number.digits.size()) + number.exponent) {}

  // Negative, zero or positive as the value is below, at or above `bound`,
  // which is 0 or lies in [2^-1075, 2^1024].
  int CompareWith(const Dyadic& bound) const {
    if (bound.mantissa.IsZero())
      return 1;
    // The value lies in [10^(magnitude - 1), 10^magnitude).
    if (magnitude_ - 1 >= 309)
      return 1;  // 10^309 > 2^1024
    if (magnitude_ <= -324)
      return -1;  // 10^-324 < 2^-1075
    BigUnsigned left = digits_;
    BigUnsigned right = bound.mantissa;
    if (exponent_ >= 0) {
      left = left * BigUnsigned::PowerOfFive(static_cast<int>(exponent_));
    } else {
      right = right * BigUnsigned::PowerOfFive(static_cast<int>(-exponent_));
    }
    // digits * 5^e * 2^e against mantissa * 2^exponent.
    const std::int64_t shift = bound.exponent - exponent_;
    if (shift >= 0) {
      right.ShiftLeft(static_cast<int>(shift));
    } else {
      left.ShiftLeft(static_cast<int>(-shift));
    }
    return Compare(left, right);
  }

 private:
  static BigUnsigned FromDigits(const std::string& digits) {
    BigUnsigned value;
    std::size_t at = digits.size() % 9;
    if (at != 0)
      value = BigUnsigned::FromDecimal(std::string_view(digits).substr(0, at));
    for (; at < digits.size(); at += 9) {
      const std::string_view chunk = std::string_view(digits).substr(at, 9);
      value.MultiplySmall(1000000000u)
          .AddSmall(static_cast<std::uint32_t>(std::stoul(std::string(chunk))));
    }
    return value;
  }

  BigUnsigned digits_;
  std::int64_t exponent_;
  std::int64_t magnitude_;
};

bool IsCorrectlyRounded(const ExactValue& value, double magnitude) {
  const double largest = std::numeric_limits<double>::max();
  if (std::isinf(magnitude))
    return value.CompareWith(Midpoint(DyadicOf(largest), TwoToThe1024())) > 0;
  const Dyadic here = DyadicOf(magnitude);
  // Halfway points go toward zero: the upper one belongs here, the lower one below.
  if (value.CompareWith(Midpoint(here, Successor(magnitude))) > 0)
    return false;
  if (magnitude == 0)
    return true;
  const Dyadic below = DyadicOf(std::nextafter(magnitude, 0.0));
  return value.CompareWith(Midpoint(below, here)) > 0;
}

bool IsNextToValue(const ExactValue& value, double magnitude) {
  const double largest = std::numeric_limits<double>::max();
  if (std::isinf(magnitude))
    return value.CompareWith(DyadicOf(largest)) > 0;
  if (value.CompareWith(Successor(magnitude)) >= 0)
    return false;
  if (magnitude == 0)
    return true;
  return value.CompareWith(DyadicOf(std::nextafter(magnitude, 0.0))) > 0;
}

}  // namespace

ExactDecimal ReadExactDecimal(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at]))
    ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
    negative = text[at++] == u'-';
  const std::string integer = TakeDigits(text, at);
  std::string fraction;
  if (at < text.size() && text[at] == u'.') {
    std::size_t after_point = at + 1;
    fraction = TakeDigits(text, after_point);
    if (!integer.empty() || !fraction.empty())
      at = after_point;
  }
  if (integer.empty() && fraction.empty())
    return {};

  std::int64_t exponent = 0;
  if (at < text.size() &&
      (text[at] == u'e' || text[at] == u'E' || text[at] == u'd' || text[at] == u'D')) {
    std::size_t after_letter = at + 1;
    bool exponent_negative = false;
    if (after_letter < text.size() && (text[after_letter] == u'+' || text[after_letter] == u'-')) {
      exponent_negative = text[after_letter++] == u'-';
    }
    const std::string exponent_digits = TakeDigits(text, after_letter);
    if (!exponent_digits.empty()) {
      exponent = ClampedExponent(exponent_digits);
      if (exponent_negative)
        exponent = -exponent;
    }
  }
  return Normalised(negative, integer + fraction,
                    exponent - static_cast<std::int64_t>(fraction.size()));
}

Verdict Judge(const ExactDecimal& number, double result) {
  if (std::isnan(result) || std::signbit(result) != number.negative)
    return Verdict::kWrong;
  const double magnitude = std::fabs(result);
  if (number.digits.empty())
    return magnitude == 0 ? Verdict::kCorrect : Verdict::kWrong;
  const ExactValue value(number);
  if (IsCorrectlyRounded(value, magnitude))
    return Verdict::kCorrect;
  const double smallest_normal = std::numeric_limits<double>::min();
  const bool open_last_place =
      number.digits.size() > 19 || value.CompareWith(DyadicOf(smallest_normal)) < 0;
  if (open_last_place && IsNextToValue(value, magnitude))
    return Verdict::kAllowedNeighbour;
  return Verdict::kWrong;
}

ExactDecimal DecimalOfDyadic(const BigUnsigned& mantissa, std::int64_t binary_exponent) {
  BigUnsigned scaled = mantissa;
  if (binary_exponent >= 0) {
    scaled.ShiftLeft(static_cast<int>(binary_exponent));
    return Normalised(false, scaled.ToDecimal(), 0);
  }
  // m * 2^-k = m * 5^k * 10^-k
  scaled = scaled * BigUnsigned::PowerOfFive(static_cast<int>(-binary_exponent));
  return Normalised(false, scaled.ToDecimal(), binary_exponent);
}

ExactDecimal ExactValueOf(double value) {
  const Dyadic exact = DyadicOf(value);
  return DecimalOfDyadic(exact.mantissa, exact.exponent);
}

ExactDecimal HalfwayAbove(double value) {
  const Dyadic halfway = Midpoint(DyadicOf(value), Successor(value));
  return DecimalOfDyadic(halfway.mantissa, halfway.exponent);
}

}  // namespace ambrix_test
