#include "fixed_big_integer.h"

#include <cstddef>

namespace calc::detail {
namespace {

std::size_t Index(int limb) {
  return static_cast<std::size_t>(limb);
}

}  // namespace

FixedBigInteger::FixedBigInteger(std::uint64_t value) {
  while (value != 0) {
    Push(static_cast<std::uint32_t>(value));
    value >>= 32;
  }
}

void FixedBigInteger::Push(std::uint32_t limb) {
  if (size_ < kLimbs)
    limbs_[Index(size_++)] = limb;
}

void FixedBigInteger::MultiplyBy(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (int i = 0; i < size_; ++i) {
    const std::uint64_t product = std::uint64_t{limbs_[Index(i)]} * factor + carry;
    limbs_[Index(i)] = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0)
    Push(static_cast<std::uint32_t>(carry));
  if (factor == 0)
    size_ = 0;
}

void FixedBigInteger::MultiplyByPowerOfFive(int exponent) {
  constexpr int kLargestStep = 13;  // 5^13 < 2^32
  constexpr std::uint32_t kFiveToTheStep = 1220703125;
  for (; exponent >= kLargestStep; exponent -= kLargestStep)
    MultiplyBy(kFiveToTheStep);
  std::uint32_t rest = 1;
  for (; exponent > 0; --exponent)
    rest *= 5;
  MultiplyBy(rest);
}

void FixedBigInteger::ShiftLeft(int bits) {
  if (size_ == 0 || bits <= 0)
    return;
  const int whole = bits / 32;
  const int part = bits % 32;
  int top = size_ - 1 + whole;  // index of the old top limb after the move
  // The limb above the old top receives the bits shifted out of it.
  const std::uint32_t spill =
      part == 0 ? 0 : static_cast<std::uint32_t>(limbs_[Index(size_ - 1)] >> (32 - part));
  for (int i = size_ - 1; i >= 0; --i) {
    std::uint32_t limb = static_cast<std::uint32_t>(limbs_[Index(i)] << part);
    if (part != 0 && i > 0)
      limb |= limbs_[Index(i - 1)] >> (32 - part);
    if (i + whole < kLimbs)
      limbs_[Index(i + whole)] = limb;
  }
  for (int i = 0; i < whole && i < kLimbs; ++i)
    limbs_[Index(i)] = 0;
  size_ = top + 1 < kLimbs ? top + 1 : kLimbs;
  if (spill != 0 && top + 1 < kLimbs)
    limbs_[Index(size_++)] = spill;
}

int Compare(const FixedBigInteger& a, const FixedBigInteger& b) {
  if (a.size_ != b.size_)
    return a.size_ < b.size_ ? -1 : 1;
  for (int i = a.size_ - 1; i >= 0; --i) {
    const std::uint32_t x = a.limbs_[Index(i)];
    const std::uint32_t y = b.limbs_[Index(i)];
    if (x != y)
      return x < y ? -1 : 1;
  }
  return 0;
}

}  // namespace calc::detail
