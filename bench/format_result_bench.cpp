// "%.3f" through FormatResult against snprintf and std::to_chars on the same
// inputs: typical calculator results first, then a spread of magnitudes.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include <benchmark/benchmark.h>

#include "calc/format_result.h"

namespace {

// What the calculator shows: averages in microamperes, lives in years.
const std::vector<double>& TypicalInputs() {
  static const std::vector<double> inputs = {
      204.95, 5000.0, 22.831050228310502, 0.0625, 2846.9955, 1e6 / 3, 1.0005, 999.9995,
      12.5,   0.001,  3.3333333333333335, 1500.0, 45.678,    0.3,     -0.0,   1234567.891,
  };
  return inputs;
}

// Random significands at magnitudes from 1e-3 to 1e19, with a few out to the
// ends of the range, so that no single branch dominates.
const std::vector<double>& SpreadInputs() {
  static const std::vector<double> inputs = [] {
    std::mt19937_64 rng(12345);
    std::vector<double> values;
    for (int i = 0; i < 1024; ++i) {
      const std::uint64_t exponent =
          (i % 16 == 0) ? rng() % 2047 : 1023 - 10 + rng() % 74;  // 2^-10 .. 2^63 mostly
      const std::uint64_t bits = (exponent << 52) | (rng() >> 12);
      double value;
      std::memcpy(&value, &bits, sizeof value);
      values.push_back(value);
    }
    return values;
  }();
  return inputs;
}

const std::vector<double>& Inputs(int set) {
  return set == 0 ? TypicalInputs() : SpreadInputs();
}

void SetLabel(benchmark::State& state) {
  state.SetLabel(state.range(0) == 0 ? "typical" : "spread");
}

void BM_Format_FormatResult(benchmark::State& state) {
  const auto& inputs = Inputs(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  for (auto _ : state) {
    std::u16string text = calc::FormatResult(u"%.3f", inputs[i]);
    benchmark::DoNotOptimize(text.data());
    if (++i == inputs.size())
      i = 0;
  }
  SetLabel(state);
}

// The rendering alone, appended to a reused string: no allocation per call.
void BM_Format_AppendFixed3(benchmark::State& state) {
  const auto& inputs = Inputs(static_cast<int>(state.range(0)));
  std::u16string text;
  text.reserve(400);
  std::size_t i = 0;
  for (auto _ : state) {
    text.clear();
    calc::AppendFixed3(text, inputs[i]);
    benchmark::DoNotOptimize(text.data());
    if (++i == inputs.size())
      i = 0;
  }
  SetLabel(state);
}

void BM_Format_Snprintf(benchmark::State& state) {
  const auto& inputs = Inputs(static_cast<int>(state.range(0)));
  char text[400];
  std::size_t i = 0;
  for (auto _ : state) {
    const int length = std::snprintf(text, sizeof text, "%.3f", inputs[i]);
    benchmark::DoNotOptimize(length);
    benchmark::DoNotOptimize(text);
    if (++i == inputs.size())
      i = 0;
  }
  SetLabel(state);
}

void BM_Format_ToChars(benchmark::State& state) {
  const auto& inputs = Inputs(static_cast<int>(state.range(0)));
  char text[400];
  std::size_t i = 0;
  for (auto _ : state) {
    const auto result =
        std::to_chars(text, text + sizeof text, inputs[i], std::chars_format::fixed, 3);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::DoNotOptimize(text);
    if (++i == inputs.size())
      i = 0;
  }
  SetLabel(state);
}

BENCHMARK(BM_Format_FormatResult)->Arg(0)->Arg(1);
BENCHMARK(BM_Format_AppendFixed3)->Arg(0)->Arg(1);
BENCHMARK(BM_Format_Snprintf)->Arg(0)->Arg(1);
BENCHMARK(BM_Format_ToChars)->Arg(0)->Arg(1);

}  // namespace
