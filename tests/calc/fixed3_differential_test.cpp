// "%.3f" against the slow reference on generated doubles, and the reference
// itself against facts known without it.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/format_result.h"
#include "fixed3_reference.h"
#include "fixed3_samples.h"

namespace {

using fixed3_reference::ExactDecimalOf;
using fixed3_reference::Fixed3Texts;

std::string Narrow(const std::u16string& text) {
  std::string narrow;
  for (char16_t unit : text)
    narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return narrow;
}

// Through FormatResult, which makes room from a bound before it writes, and
// through AppendFixed3, which measures first: both must give the same text.
std::string Rendered(double value) {
  const std::u16string text = calc::FormatResult(u"%.3f", value);
  std::u16string appended = u"x";
  calc::AppendFixed3(appended, value);
  if (appended != u"x" + text)
    return "AppendFixed3 differs: " + Narrow(appended);
  return Narrow(text);
}

std::string Hex(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  char text[24];
  std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(bits));
  return text;
}

TEST(Fixed3Reference, ExactExpansionsOfKnownValues) {
  struct Case {
    const char* why;
    double value;
    const char* integer;
    const char* fraction;
  };
  const Case cases[] = {
      {"zero", 0.0, "0", ""},
      {"0.1 is a little above one tenth", 0.1, "0",
       "1000000000000000055511151231257827021181583404541015625"},
      {"an exact binary fraction", 124.8125, "124", "8125"},
      {"2^70 in full", std::ldexp(1.0, 70), "1180591620717411303424", ""},
      {"the sign is not part of the magnitude", -2.5, "2", "5"},
  };
  for (const Case& c : cases) {
    const auto exact = ExactDecimalOf(c.value);
    EXPECT_EQ(exact.integer, c.integer) << c.why;
    EXPECT_EQ(exact.fraction, c.fraction) << c.why;
  }
  // 2^-1074 = 5^1074 / 10^1074: 1074 decimals, the last a 5.
  const auto tiny = ExactDecimalOf(std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(tiny.integer, "0");
  EXPECT_EQ(tiny.fraction.size(), 1074u);
  EXPECT_EQ(tiny.fraction.substr(323, 16), "4940656458412465") << "4.940656458412465...e-324";
  EXPECT_EQ(tiny.fraction.back(), '5');
  EXPECT_EQ(ExactDecimalOf(DBL_MAX).integer.size(), 309u);
}

#ifdef __GLIBC__
// glibc prints every decimal of a double exactly, so with 1074 decimals its
// text is the whole expansion: an independent check of the reference.
TEST(Fixed3Reference, AgreesWithTheCLibraryOnExactExpansions) {
  for (const auto& family : fixed3_samples::MakeFamilies(7, 1)) {
    for (std::size_t i = 0; i < family.values.size(); i += family.values.size() / 200 + 1) {
      const double value = std::fabs(family.values[i]);
      std::vector<char> text(1500);
      std::snprintf(text.data(), text.size(), "%.1074f", value);
      std::string expected = text.data();
      const std::size_t point = expected.find('.');
      const auto exact = ExactDecimalOf(value);
      std::string fraction = expected.substr(point + 1);
      fraction.erase(fraction.find_last_not_of('0') + 1);
      ASSERT_EQ(exact.integer, expected.substr(0, point)) << Hex(value);
      ASSERT_EQ(exact.fraction, fraction) << Hex(value);
    }
  }
}
#endif

TEST(Fixed3Reference, RoundingOnTheDigitString) {
  struct Case {
    const char* why;
    double value;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"17-digit form 2846.9955000000000 reaches the half", 2846.9955, {"2846.996"}},
      {"17-digit form 1.0004999999999999 stays below it", 1.0005, {"1.000"}},
      {"an exact half goes away from zero", -0.0625, {"-0.063"}},
      {"18 digits ending in 5: either first rounding",
       726165754317357.125,
       {"726165754317357.120", "726165754317357.130"}},
      {"digits past the 17th are zeros", std::ldexp(1.0, 70), {"1180591620717411300000.000"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Fixed3Texts(c.value), c.texts) << c.why;
}

TEST(Fixed3Differential, MatchesTheReferenceOnGeneratedDoubles) {
  const std::uint64_t seed = fixed3_samples::SeedFromEnvironment();
  const int scale = fixed3_samples::ScaleFromEnvironment();
  std::cout << "seed " << seed << ", scale " << scale
            << " (AMBRIX_FIXED3_SEED, AMBRIX_FIXED3_SCALE)\n";
  RecordProperty("seed", std::to_string(seed));
  std::size_t total = 0;
  for (const auto& family : fixed3_samples::MakeFamilies(seed, scale)) {
    int failures = 0;
    for (double value : family.values) {
      const std::string got = Rendered(value);
      const std::vector<std::string> accepted = Fixed3Texts(value);
      if (std::find(accepted.begin(), accepted.end(), got) != accepted.end())
        continue;
      ADD_FAILURE() << family.name << ": " << Hex(value) << " gave " << got << ", expected "
                    << accepted.front() << (accepted.size() > 1 ? " or " + accepted.back() : "");
      if (++failures == 10)
        break;  // enough to diagnose
    }
    total += family.values.size();
    std::cout << family.values.size() << " values: " << family.name << "\n";
  }
  std::cout << total << " values in all\n";
}

}  // namespace
