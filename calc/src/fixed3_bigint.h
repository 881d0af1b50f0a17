// Fixed3BigInt: a small unsigned big integer, just enough to decide exactly on
// which side of a rounding boundary m * 2^e * 10^q lies when the 128-bit
// product cannot tell.
#pragma once

#include <cstdint>

namespace calc::detail {

class Fixed3BigInt {
 public:
  explicit Fixed3BigInt(std::uint64_t value);

  void MultiplyBy(std::uint32_t factor);
  void MultiplyByPow5(int exponent);
  void ShiftLeft(int bits);

  // -1, 0 or 1 as a is below, equal to or above b.
  friend int Compare(const Fixed3BigInt& a, const Fixed3BigInt& b);

 private:
  // The largest operand is below 2^64 * 5^308 (about 2^780), reached for the
  // smallest magnitudes the 17-digit decomposition accepts; 1280 bits leave room
  // to spare.
  static constexpr int kCapacity = 40;

  std::uint32_t limbs_[kCapacity];  // least significant first
  int size_;                        // limbs in use; no leading zero limb
};

}  // namespace calc::detail
