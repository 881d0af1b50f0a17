// Entry texts for the differential test of ParseEntry: numbers where decimal
// to binary conversions tend to go wrong, each spelled in one of the many ways
// the entry rules accept, sometimes with white space in front or junk behind.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "decimal_reference.h"

namespace ambrix_test {

class EntryCaseGenerator {
 public:
  explicit EntryCaseGenerator(std::uint64_t seed) : random_(seed) {}

  std::u16string RandomDouble();    // a random double printed to 1 to 19 digits
  std::u16string RandomDigits();    // 1 to 19 random digits at any scale near the range
  std::u16string NearHalfway();     // halfway between neighbours, exact or cut to 15-19 digits
  std::u16string ShortHalfway();    // halfway points that need at most 19 digits, and beside them
  std::u16string NearPowerOfTwo();  // where the spacing of doubles halves
  std::u16string OverflowEdge();    // around the largest double and 2^1024
  std::u16string SubnormalEdge();   // around the smallest normal and subnormal doubles
  std::u16string LongDigits();      // 20 to 800 digits, or short digits padded with zeros
  std::u16string ExactArithmeticEdge();  // where one double operation stops being exact
  std::u16string ClampedExponent();      // exponents past 5200 against thousands of zeros
  std::u16string Grammar();              // short random strings of number characters

 private:
  std::uint64_t Below(std::uint64_t bound) { return random_() % bound; }
  int BelowInt(int bound) { return static_cast<int>(Below(static_cast<std::uint64_t>(bound))); }
  bool OneIn(int n) { return BelowInt(n) == 0; }
  double FiniteDouble();
  double Subnormal();
  std::string RandomDigitString(int length);
  ExactDecimal Variant(const ExactDecimal& exact, int fewest_digits);
  std::u16string Spell(const ExactDecimal& number);

  std::mt19937_64 random_;
};

}  // namespace ambrix_test
