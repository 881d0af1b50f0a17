// ParseEntry against glibc's strtod and fast_float's from_chars, each on the
// same texts (UTF-16 for ParseEntry, UTF-8 for the others, converted before
// timing): the short texts users type, and 17 to 19 digits with exponents far
// from zero, where a conversion needs its widest arithmetic.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <fast_float/fast_float.h>

#include "calc/parse_entry.h"

namespace {

struct Texts {
  std::vector<std::string> utf8;
  std::vector<std::u16string> utf16;
};

Texts FromAscii(std::vector<std::string> ascii) {
  Texts texts;
  for (const std::string& text : ascii)
    texts.utf16.emplace_back(text.begin(), text.end());
  texts.utf8 = std::move(ascii);
  return texts;
}

const Texts& FieldTexts() {
  static const Texts texts =
      FromAscii({"0",    "2000",  "990",     "0.00001", "20",   "1e3",  "5",   "10",
                 "0.5",  "3.3",   "1000000", "100",     "0.25", "12.5", "1",   "250",
                 "3600", "0.001", "2.5",     "50",      "1500", "0.1",  "4.2", "30"});
  return texts;
}

// "d.ddd...e±x" with 17 to 19 significant digits, exponents from -300 to 300.
const Texts& WideExponentTexts() {
  static const Texts texts = [] {
    std::mt19937_64 random(20240611);
    std::vector<std::string> ascii;
    for (int i = 0; i < 1000; ++i) {
      std::string text(1, static_cast<char>('1' + random() % 9));
      text += '.';
      const int digits = 17 + static_cast<int>(random() % 3);
      for (int d = 1; d < digits; ++d)
        text += static_cast<char>('0' + random() % 10);
      text += 'e' + std::to_string(static_cast<int>(random() % 601) - 300);
      ascii.push_back(text);
    }
    return FromAscii(std::move(ascii));
  }();
  return texts;
}

const Texts& MegabyteText() {
  static const Texts texts = FromAscii({"0." + std::string(1 << 20, '3')});
  return texts;
}

using TextSet = const Texts& (*)();

void ParseWithParseEntry(benchmark::State& state, TextSet texts) {
  const std::vector<std::u16string>& inputs = texts().utf16;
  for (auto _ : state) {
    for (const std::u16string& text : inputs)
      benchmark::DoNotOptimize(calc::ParseEntry(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void ParseWithStrtod(benchmark::State& state, TextSet texts) {
  const std::vector<std::string>& inputs = texts().utf8;
  for (auto _ : state) {
    for (const std::string& text : inputs) {
      benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

void ParseWithFastFloat(benchmark::State& state, TextSet texts) {
  const std::vector<std::string>& inputs = texts().utf8;
  for (auto _ : state) {
    for (const std::string& text : inputs) {
      double value;
      fast_float::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}

BENCHMARK_CAPTURE(ParseWithParseEntry, FieldTexts, FieldTexts);
BENCHMARK_CAPTURE(ParseWithStrtod, FieldTexts, FieldTexts);
BENCHMARK_CAPTURE(ParseWithFastFloat, FieldTexts, FieldTexts);
BENCHMARK_CAPTURE(ParseWithParseEntry, WideExponents, WideExponentTexts);
BENCHMARK_CAPTURE(ParseWithStrtod, WideExponents, WideExponentTexts);
BENCHMARK_CAPTURE(ParseWithFastFloat, WideExponents, WideExponentTexts);
BENCHMARK_CAPTURE(ParseWithParseEntry, Megabyte, MegabyteText);
BENCHMARK_CAPTURE(ParseWithStrtod, Megabyte, MegabyteText);
BENCHMARK_CAPTURE(ParseWithFastFloat, Megabyte, MegabyteText);

}  // namespace
