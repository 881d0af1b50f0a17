// The 64x64 -> 128-bit product, in the portable form the 32-bit build uses.
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "wide_multiply.h"

namespace {

using calc::detail::MultiplyPortable;
using calc::detail::Uint128;

constexpr std::uint64_t kAll = ~std::uint64_t{0};

struct ProductCase {
  std::uint64_t a;
  std::uint64_t b;
  Uint128 product;
  const char* why;
};

class PortableProduct : public testing::TestWithParam<ProductCase> {};

TEST_P(PortableProduct, IsExact) {
  const ProductCase& c = GetParam();
  const Uint128 product = MultiplyPortable(c.a, c.b);
  EXPECT_EQ(product.high, c.product.high) << c.why;
  EXPECT_EQ(product.low, c.product.low) << c.why;
}

const ProductCase kProducts[] = {
    {0, kAll, {0, 0}, "zero"},
    {kAll, kAll, {kAll - 1, 1}, "(2^64 - 1)^2: every partial sum carries"},
    {std::uint64_t{1} << 32, std::uint64_t{1} << 32, {1, 0}, "carry out of the low word"},
    {std::uint64_t{1} << 63, 2, {1, 0}, "top bit shifted out"},
    {0xFFFFFFFFu, 0xFFFFFFFFu, {0, 0xFFFFFFFE00000001u}, "two 32-bit halves"},
    {0x8000000080000000u,
     0x8000000080000000u,
     {0x4000000080000000u, 0x4000000000000000u},
     "middle terms meet"},
    {0xDE8B2B66B3BC4723u,
     10000000000000000000u,
     {0x78A4220512B7163Bu, 0x02228A3E32B80000u},
     "a table mantissa times 10^19"},
};
INSTANTIATE_TEST_SUITE_P(Table, PortableProduct, testing::ValuesIn(kProducts));

// Where the compiler has 128-bit integers, both forms must agree everywhere.
#ifdef __SIZEOF_INT128__
TEST(PortableProduct, AgreesWithNativeProduct) {
  std::mt19937_64 random(12345);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t a = random() >> (random() % 64);
    const std::uint64_t b = random() >> (random() % 64);
    __extension__ typedef unsigned __int128 Native;
    const Native expected = static_cast<Native>(a) * b;
    const Uint128 product = MultiplyPortable(a, b);
    ASSERT_EQ(product.high, static_cast<std::uint64_t>(expected >> 64)) << a << " * " << b;
    ASSERT_EQ(product.low, static_cast<std::uint64_t>(expected)) << a << " * " << b;
  }
}
#endif

}  // namespace
