// A slow, exact reference for reading entry texts: what number a text spells,
// and whether a double is an allowed result for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "big_unsigned.h"

namespace ambrix_test {

// value = digits * 10^exponent, digits without leading or trailing zeros
// (empty for zero), so digits.size() is the count of significant digits.
struct ExactDecimal {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;
};

// The longest leading number of the text after white space, read as the entry
// rules describe it, exponent clamp included. A text without one is +0.
ExactDecimal ReadExactDecimal(std::u16string_view text);

enum class Verdict {
  kCorrect,           // the nearest double, halfway cases toward zero
  kAllowedNeighbour,  // not nearest, but the rules leave this last place open
  kWrong,
};

// Judges a result against the exact value: the sign always, the correctly
// rounded magnitude, or for more than 19 significant digits or an exact value
// below the smallest normal double either double next to the exact value.
Verdict Judge(const ExactDecimal& number, double result);

// The exact value of a finite non-negative double, and of the point halfway
// between it and the next double up (2^1024 standing above the largest).
ExactDecimal ExactValueOf(double value);
ExactDecimal HalfwayAbove(double value);

// digits * 10^exponent for a value of mantissa * 2^binary_exponent.
ExactDecimal DecimalOfDyadic(const BigUnsigned& mantissa, std::int64_t binary_exponent);

}  // namespace ambrix_test
