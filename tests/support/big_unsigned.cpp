#include "big_unsigned.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

namespace ambrix_test {

BigUnsigned::BigUnsigned(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(static_cast<std::uint32_t>(value));
    value >>= 32;
  }
}

BigUnsigned BigUnsigned::FromDecimal(std::string_view digits) {
  BigUnsigned result;
  for (const char digit : digits) {
    result.MultiplySmall(10).AddSmall(static_cast<std::uint32_t>(digit - '0'));
  }
  return result;
}

const BigUnsigned& BigUnsigned::PowerOfFive(int exponent) {
  static std::vector<BigUnsigned> powers{BigUnsigned(1)};
  while (static_cast<int>(powers.size()) <= exponent) {
    BigUnsigned next = powers.back();
    next.MultiplySmall(5);
    powers.push_back(std::move(next));
  }
  return powers[static_cast<std::size_t>(exponent)];
}

void BigUnsigned::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0)
    limbs_.pop_back();
}

BigUnsigned& BigUnsigned::MultiplySmall(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0)
    limbs_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
  return *this;
}

BigUnsigned& BigUnsigned::AddSmall(std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::size_t i = 0; carry != 0; ++i) {
    if (i == limbs_.size())
      limbs_.push_back(0);
    const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
    limbs_[i] = static_cast<std::uint32_t>(sum);
    carry = sum >> 32;
  }
  return *this;
}

BigUnsigned& BigUnsigned::ShiftLeft(int bits) {
  if (limbs_.empty() || bits <= 0)
    return *this;
  const auto whole = static_cast<std::size_t>(bits / 32);
  const int part = bits % 32;
  std::vector<std::uint32_t> shifted(limbs_.size() + whole + 1, 0);
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint64_t wide = std::uint64_t{limbs_[i]} << part;
    shifted[i + whole] |= static_cast<std::uint32_t>(wide);
    shifted[i + whole + 1] |= static_cast<std::uint32_t>(wide >> 32);
  }
  limbs_ = std::move(shifted);
  Trim();
  return *this;
}

BigUnsigned operator*(const BigUnsigned& a, const BigUnsigned& b) {
  BigUnsigned product;
  if (a.IsZero() || b.IsZero())
    return product;
  product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
  for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
      const std::uint64_t sum =
          std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j] + carry;
      product.limbs_[i + j] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
  }
  product.Trim();
  return product;
}

BigUnsigned operator+(const BigUnsigned& a, const BigUnsigned& b) {
  BigUnsigned sum;
  sum.limbs_.assign(std::max(a.limbs_.size(), b.limbs_.size()) + 1, 0);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i + 1 < sum.limbs_.size(); ++i) {
    const std::uint64_t x = i < a.limbs_.size() ? a.limbs_[i] : 0;
    const std::uint64_t y = i < b.limbs_.size() ? b.limbs_[i] : 0;
    const std::uint64_t total = x + y + carry;
    sum.limbs_[i] = static_cast<std::uint32_t>(total);
    carry = total >> 32;
  }
  sum.limbs_.back() = static_cast<std::uint32_t>(carry);
  sum.Trim();
  return sum;
}

int Compare(const BigUnsigned& a, const BigUnsigned& b) {
  if (a.limbs_.size() != b.limbs_.size())
    return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i])
      return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

// Nine decimal digits at a time, least significant group first.
std::string BigUnsigned::ToDecimal() const {
  if (limbs_.empty())
    return "0";
  std::vector<std::uint32_t> rest = limbs_;
  std::vector<std::uint32_t> groups;
  std::size_t size = rest.size();
  std::uint32_t* const limbs = rest.data();
  while (size != 0) {
    std::uint64_t remainder = 0;
    for (std::size_t i = size; i-- > 0;) {
      const std::uint64_t current = (remainder << 32) | limbs[i];
      limbs[i] = static_cast<std::uint32_t>(current / 1000000000u);
      remainder = current % 1000000000u;
    }
    while (size != 0 && limbs[size - 1] == 0)
      --size;
    groups.push_back(static_cast<std::uint32_t>(remainder));
  }
  std::string text = std::to_string(groups.back());
  char group[16];
  for (std::size_t i = groups.size() - 1; i-- > 0;) {
    std::snprintf(group, sizeof group, "%09u", static_cast<unsigned>(groups[i]));
    text += group;
  }
  return text;
}

}  // namespace ambrix_test
