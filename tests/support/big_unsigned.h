// Arbitrary-size unsigned integers for the test references: plain schoolbook
// arithmetic, written for being obviously right rather than fast.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ambrix_test {

class BigUnsigned {
 public:
  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t value);
  static BigUnsigned FromDecimal(std::string_view digits);  // ASCII digits only
  static const BigUnsigned& PowerOfFive(int exponent);      // cached

  bool IsZero() const { return limbs_.empty(); }

  BigUnsigned& MultiplySmall(std::uint32_t factor);
  BigUnsigned& AddSmall(std::uint32_t addend);
  BigUnsigned& ShiftLeft(int bits);
  friend BigUnsigned operator*(const BigUnsigned& a, const BigUnsigned& b);
  friend BigUnsigned operator+(const BigUnsigned& a, const BigUnsigned& b);
  friend int Compare(const BigUnsigned& a, const BigUnsigned& b);

  std::string ToDecimal() const;

 private:
  void Trim();

  std::vector<std::uint32_t> limbs_;  // least significant first, no zero on top
};

}  // namespace ambrix_test
