// A slow, plain reference for the "%.3f" rendering: the exact decimal expansion
// of the double by big-integer arithmetic, then both roundings done on the
// digit string.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fixed3_reference {

// The exact value of |x| for a finite x: integer digits (at least "0") and
// every fractional digit, trailing zeros dropped.
struct ExactDecimal {
  std::string integer;
  std::string fraction;
};
ExactDecimal ExactDecimalOf(double x);

// |x| rounded to 17 significant digits: the digits and the power of ten of the
// first one. Two candidates where the exact value has 18 significant digits
// ending in 5 (the direction is free there); none for zero.
struct Significant17 {
  std::string digits;  // exactly 17
  int exponent;
  bool operator==(const Significant17&) const = default;
};
std::vector<Significant17> RoundTo17Digits(double x);

// Every acceptable "%.3f" text of a finite x: one, or two where the first
// rounding may go either way.
std::vector<std::string> Fixed3Texts(double x);

// floor(m * 2^e * 10^q * 2^64) for a result below 2^128, as its high and low
// 64 bits: the integer part and the binary fraction of m * 2^e * 10^q.
struct Scaled {
  std::uint64_t integer;
  std::uint64_t fraction;
};
Scaled FloorOfScaled(std::uint64_t m, int e, int q);

}  // namespace fixed3_reference
