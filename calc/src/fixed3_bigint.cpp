#include "fixed3_bigint.h"

#include <cassert>

namespace calc::detail {

Fixed3BigInt::Fixed3BigInt(std::uint64_t value) : limbs_{}, size_(0) {
  while (value != 0) {
    limbs_[size_++] = static_cast<std::uint32_t>(value);
    value >>= 32;
  }
}

void Fixed3BigInt::MultiplyBy(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (int i = 0; i < size_; ++i) {
    const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
    limbs_[i] = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) {
    assert(size_ < kCapacity);
    limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }
}

void Fixed3BigInt::MultiplyByPow5(int exponent) {
  constexpr std::uint32_t kPow5_13 = 1220703125;  // the largest power of five below 2^32
  for (; exponent >= 13; exponent -= 13)
    MultiplyBy(kPow5_13);
  std::uint32_t rest = 1;
  for (; exponent > 0; --exponent)
    rest *= 5;
  MultiplyBy(rest);
}

void Fixed3BigInt::ShiftLeft(int bits) {
  if (size_ == 0 || bits == 0)
    return;
  const int limb_shift = bits / 32;
  const int bit_shift = bits % 32;
  assert(size_ + limb_shift < kCapacity);
  limbs_[size_] = 0;
  for (int i = size_; i >= 0; --i) {
    std::uint32_t shifted = limbs_[i] << bit_shift;
    if (bit_shift != 0 && i > 0)
      shifted |= limbs_[i - 1] >> (32 - bit_shift);
    limbs_[i + limb_shift] = shifted;
  }
  for (int i = 0; i < limb_shift; ++i)
    limbs_[i] = 0;
  size_ += limb_shift + 1;
  if (limbs_[size_ - 1] == 0)
    --size_;
}

int Compare(const Fixed3BigInt& a, const Fixed3BigInt& b) {
  if (a.size_ != b.size_)
    return a.size_ < b.size_ ? -1 : 1;
  for (int i = a.size_ - 1; i >= 0; --i) {
    if (a.limbs_[i] != b.limbs_[i])
      return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

}  // namespace calc::detail
