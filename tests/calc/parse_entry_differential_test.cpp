// ParseEntry against a slow exact reference on generated texts: random ones
// and the hard cases of decimal to binary conversion. The seed is fixed and
// printed; AMBRIX_PARSE_SEED replaces it and AMBRIX_PARSE_SCALE multiplies the
// number of cases for a longer run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "calc/parse_entry.h"
#include "decimal_reference.h"
#include "parse_entry_case_generator.h"

namespace {

using ambrix_test::EntryCaseGenerator;
using ambrix_test::Verdict;

struct Family {
  const char* name;
  std::u16string (EntryCaseGenerator::*make)();
  long cases;
};

const Family kFamilies[] = {
    {"RandomDouble", &EntryCaseGenerator::RandomDouble, 250000},
    {"RandomDigits", &EntryCaseGenerator::RandomDigits, 200000},
    {"NearHalfway", &EntryCaseGenerator::NearHalfway, 120000},
    {"ShortHalfway", &EntryCaseGenerator::ShortHalfway, 120000},
    {"NearPowerOfTwo", &EntryCaseGenerator::NearPowerOfTwo, 50000},
    {"OverflowEdge", &EntryCaseGenerator::OverflowEdge, 30000},
    {"SubnormalEdge", &EntryCaseGenerator::SubnormalEdge, 50000},
    {"LongDigits", &EntryCaseGenerator::LongDigits, 20000},
    {"ExactArithmeticEdge", &EntryCaseGenerator::ExactArithmeticEdge, 80000},
    {"ClampedExponent", &EntryCaseGenerator::ClampedExponent, 2000},
    {"Grammar", &EntryCaseGenerator::Grammar, 100000},
};

constexpr std::uint64_t kDefaultSeed = 0x416D62726978;  // "Ambrix"

std::uint64_t Seed() {
  const char* text = std::getenv("AMBRIX_PARSE_SEED");
  return text != nullptr ? std::strtoull(text, nullptr, 0) : kDefaultSeed;
}

// The same on every platform, unlike std::hash: FNV-1a over the family name.
std::uint64_t FamilySeed(std::uint64_t seed, const char* name) {
  for (; *name != '\0'; ++name) {
    seed ^= static_cast<unsigned char>(*name);
    seed *= 0x100000001B3u;
  }
  return seed;
}

long Scale() {
  const char* text = std::getenv("AMBRIX_PARSE_SCALE");
  const long scale = text != nullptr ? std::strtol(text, nullptr, 10) : 1;
  return scale > 0 ? scale : 1;
}

// Readable in a failure message: ASCII as is, the rest as \uXXXX, long texts cut.
std::string Printable(const std::u16string& text) {
  std::string out;
  for (const char16_t unit : text) {
    if (out.size() > 300)
      return out + "...(" + std::to_string(text.size()) + " code units)";
    if (unit >= 0x20 && unit < 0x7F) {
      out.push_back(static_cast<char>(unit));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
      out += escaped;
    }
  }
  return out;
}

std::string Describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
  return text;
}

class ParseEntryAgainstReference : public testing::TestWithParam<Family> {};

TEST_P(ParseEntryAgainstReference, GivesTheNearestDoubleOrAnAllowedNeighbour) {
  const Family& family = GetParam();
  const std::uint64_t seed = FamilySeed(Seed(), family.name);
  const long cases = family.cases * Scale();
  std::cout << family.name << ": " << cases << " cases, AMBRIX_PARSE_SEED=" << Seed()
            << " (this family's generator seed " << seed << ")\n";
  EntryCaseGenerator generator(seed);
  long wrong = 0;
  long neighbours = 0;
  for (long i = 0; i < cases; ++i) {
    const std::u16string text = (generator.*family.make)();
    const double result = calc::ParseEntry(text);
    const Verdict verdict = ambrix_test::Judge(ambrix_test::ReadExactDecimal(text), result);
    if (verdict == Verdict::kAllowedNeighbour)
      ++neighbours;
    if (verdict == Verdict::kWrong && ++wrong <= 10) {
      ADD_FAILURE() << "case " << i << " text \"" << Printable(text) << "\" gave "
                    << Describe(result);
    }
  }
  EXPECT_EQ(wrong, 0) << "texts for which ParseEntry's result is not allowed";
  std::cout << family.name << ": " << neighbours
            << " results were the allowed other neighbour of the exact value\n";
}

INSTANTIATE_TEST_SUITE_P(Families, ParseEntryAgainstReference, testing::ValuesIn(kFamilies),
                         [](const testing::TestParamInfo<Family>& info) {
                           return std::string(info.param.name);
                         });

// The 19-digit decimals that come closest to a point halfway between doubles
// where the powers of five are truncated, each within 7 * 2^-73 ulp of it, as
// scripts/find_near_halfway_decimals.py finds them over the whole range.
const char16_t* const kClosestToHalfway[] = {
    u"7120190517612959703e120",  // +1.142 * 2^-73 ulp, the closest of all
    u"3507665085003296281e-73",  // +3.225
    u"272104041512242479e200",   // -3.843
    u"7322325862592278999e74",   // -6.538
    u"7555784487484408317e227",  // +6.516
    u"3007273377140036463e209",  // -6.562
    u"1859887555230199653e158",  // +7.113
};

TEST(ParseEntryAgainstReference, RoundsTheClosestApproachesToHalfwayCorrectly) {
  for (const char16_t* text : kClosestToHalfway) {
    for (const std::u16string& signed_text : {std::u16string(text), u"-" + std::u16string(text)}) {
      const double result = calc::ParseEntry(signed_text);
      EXPECT_EQ(ambrix_test::Judge(ambrix_test::ReadExactDecimal(signed_text), result),
                Verdict::kCorrect)
          << Printable(signed_text) << " gave " << Describe(result);
    }
  }
}

}  // namespace
