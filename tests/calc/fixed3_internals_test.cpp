// The pieces of the "%.3f" rendering: the portable 128-bit product and the
// 17-digit decomposition, on its fast and on its exact side.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "fixed3_decimal17.h"
#include "fixed3_reference.h"
#include "fixed3_samples.h"
#include "fixed3_scale.h"
#include "wide_multiply.h"

namespace {

using calc::detail::Decimal17;
using calc::detail::MultiplyPortable;

TEST(Multiply, PortableProductOfKnownValues) {
  struct Case {
    const char* why;
    std::uint64_t a, b, high, low;
  };
  const Case cases[] = {
      {"zero", 0, 0xFFFFFFFFFFFFFFFFu, 0, 0},
      {"largest operands: (2^64-1)^2 = 2^128 - 2^65 + 1", 0xFFFFFFFFFFFFFFFFu, 0xFFFFFFFFFFFFFFFFu,
       0xFFFFFFFFFFFFFFFEu, 1},
      {"a product that spans the middle words", 0xFFFFFFFF00000000u, 0x00000000FFFFFFFFu,
       0x00000000FFFFFFFEu, 0x0000000100000000u},
      {"every partial product differs", 0x89ABCDEF01234567u, 0xFEDCBA9876543210u,
       0x890F2A50EDCA5E20u, 0x09CA39E1358E7470u},
      {"a power of two shifts", std::uint64_t{1} << 63, 6, 3, 0},
  };
  for (const Case& c : cases) {
    const auto product = MultiplyPortable(c.a, c.b);
    EXPECT_EQ(product.high, c.high) << c.why;
    EXPECT_EQ(product.low, c.low) << c.why;
  }
}

#ifdef __SIZEOF_INT128__
TEST(Multiply, PortableProductMatchesTheNativeOne) {
  std::mt19937_64 rng(42);
  for (int i = 0; i < 200000; ++i) {
    // Mix full-width operands with ones that have long runs of zero or one bits.
    const std::uint64_t a = rng() >> (rng() % 64);
    const std::uint64_t b = (i % 3 == 0) ? ~(rng() >> (rng() % 64)) : rng();
    __extension__ using Native = unsigned __int128;
    const Native expected = static_cast<Native>(a) * b;
    const auto product = MultiplyPortable(a, b);
    ASSERT_EQ(product.high, static_cast<std::uint64_t>(expected >> 64)) << a << " * " << b;
    ASSERT_EQ(product.low, static_cast<std::uint64_t>(expected)) << a << " * " << b;
  }
}
#endif

// A generated value's magnitude as m * 2^e with m normalized (top bit set), for
// magnitudes of 2^-960 and above.
struct Normalized {
  std::uint64_t m;
  int e;
};

bool Normalize(double value, Normalized& out) {
  value = std::fabs(value);
  if (!(value >= std::ldexp(1.0, -960)))
    return false;
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  out.m = ((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52)) << 11;
  out.e = static_cast<int>(bits >> 52) - 1075 - 11;
  return true;
}

// Runs `check` on every `step`-th generated value whose magnitude is 2^-960 or
// more; a non-empty result is a failure, reported with the value's family. Stops
// after ten failures, enough to diagnose.
void CheckSamples(std::size_t step, const std::function<std::string(double, Normalized)>& check) {
  int failures = 0;
  for (const auto& family :
       fixed3_samples::MakeFamilies(fixed3_samples::SeedFromEnvironment(), 1)) {
    for (std::size_t i = 0; i < family.values.size() && failures < 10; i += step) {
      Normalized n;
      if (!Normalize(family.values[i], n))
        continue;
      const std::string failure = check(family.values[i], n);
      if (failure.empty())
        continue;
      ++failures;
      ADD_FAILURE() << family.name << ": " << family.values[i] << ": " << failure;
    }
  }
}

// The rounding decisions rest on this bound: the product with the truncated
// table entry is below the true W by less than 1.25 units of 2^-64, so the
// exact floor of W * 2^64 is the approximation or one more.
TEST(Fixed3Scale, ApproximationIsBelowTheExactValueByLessThanTwoUnits) {
  CheckSamples(2, [](double, Normalized n) -> std::string {
    const int q = 16 - calc::detail::EstimateDecimalExponent(n.e);
    const auto approx = calc::detail::ScaleByPow10(n.m, n.e, q);
    const auto exact = fixed3_reference::FloorOfScaled(n.m, n.e, q);
    const bool same_integer = exact.integer == approx.integer &&
                              exact.fraction >= approx.fraction &&
                              exact.fraction - approx.fraction <= 1;
    const bool carried = exact.integer == approx.integer + 1 && exact.fraction == 0 &&
                         approx.fraction == ~std::uint64_t{0};
    const bool in_range =
        exact.integer >= 10000000000000000u && exact.integer < 1000000000000000000u;
    if ((same_integer || carried) && in_range)
      return "";
    return "10^" + std::to_string(q) + ": approx " + std::to_string(approx.integer) + " + " +
           std::to_string(approx.fraction) + "/2^64, exact " + std::to_string(exact.integer) +
           " + " + std::to_string(exact.fraction) + "/2^64";
  });
}

// Both sides of the decomposition against the reference, on every fourth
// generated value; an exact 18-digit tie must go up, as the decomposition
// promises.
TEST(Fixed3Decimal17, FastAndExactSidesMatchTheReference) {
  CheckSamples(4, [](double value, Normalized n) -> std::string {
    const auto expected = fixed3_reference::RoundTo17Digits(value).back();
    // The decomposition takes m unnormalized too; give it the double's own.
    const std::uint64_t m = n.m >> 11;
    const int e = n.e + 11;
    for (const Decimal17 got :
         {calc::detail::ToDecimal17(m, e), calc::detail::ToDecimal17AlwaysExact(m, e)}) {
      if (std::to_string(got.digits) != expected.digits || got.exponent != expected.exponent) {
        return "gave " + std::to_string(got.digits) + "e" + std::to_string(got.exponent) +
               ", expected " + expected.digits + "e" + std::to_string(expected.exponent);
      }
    }
    return "";
  });
}

}  // namespace
