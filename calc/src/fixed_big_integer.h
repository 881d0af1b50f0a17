// Unsigned integers of up to 1280 bits without allocation, for the rare exact
// comparisons of the decimal-to-binary conversion.
#pragma once

#include <array>
#include <cstdint>

namespace calc::detail {

class FixedBigInteger {
 public:
  static constexpr int kLimbs = 40;
  static constexpr int kBits = 32 * kLimbs;

  explicit FixedBigInteger(std::uint64_t value);

  // The caller keeps every result below 2^kBits; bits above it would be lost.
  void MultiplyBy(std::uint32_t factor);
  void MultiplyByPowerOfFive(int exponent);
  void ShiftLeft(int bits);

  // Negative, zero or positive as a < b, a == b or a > b.
  friend int Compare(const FixedBigInteger& a, const FixedBigInteger& b);

 private:
  void Push(std::uint32_t limb);

  std::array<std::uint32_t, kLimbs> limbs_{};  // least significant first
  int size_ = 0;                               // limbs in use; the top one is not zero
};

}  // namespace calc::detail
