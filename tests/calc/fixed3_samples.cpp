#include "fixed3_samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

namespace fixed3_samples {
namespace {

using Rng = std::mt19937_64;

double FromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

double WithRandomSign(Rng& rng, double value) {
  return (rng() & 1) != 0 ? -value : value;
}

std::uint64_t Uniform(Rng& rng, std::uint64_t low, std::uint64_t high) {  // [low, high]
  return std::uniform_int_distribution<std::uint64_t>(low, high)(rng);
}

// value and its n neighbours on either side, finite ones only.
void AddWithNeighbours(std::vector<double>& out, double value, int n) {
  if (!std::isfinite(value))
    return;
  out.push_back(value);
  double below = value;
  double above = value;
  for (int i = 0; i < n; ++i) {
    below = std::nextafter(below, -std::numeric_limits<double>::infinity());
    above = std::nextafter(above, std::numeric_limits<double>::infinity());
    if (std::isfinite(below))
      out.push_back(below);
    if (std::isfinite(above))
      out.push_back(above);
  }
}

Family RandomBits(Rng& rng, int count) {
  Family f{"random bit patterns", {}};
  while (static_cast<int>(f.values.size()) < count) {
    const double value = FromBits(rng());
    if (std::isfinite(value))
      f.values.push_back(value);
  }
  return f;
}

// Magnitudes from about 1e-6 to 1e18, where results have their usual shape.
Family ModerateMagnitudes(Rng& rng, int count) {
  Family f{"random moderate magnitudes", {}};
  for (int i = 0; i < count; ++i) {
    const std::uint64_t exponent = Uniform(rng, 1023 - 20, 1023 + 60);
    f.values.push_back(FromBits((rng() >> 12) | (exponent << 52) | (rng() & (1ull << 63))));
  }
  return f;
}

// The double nearest to k/1000 + 0.0005 and its neighbours: where the second
// rounding decides, and where the first can push a value onto the half.
Family ThreeDecimalHalves(Rng& rng, int count) {
  Family f{"three-decimal halfway points and neighbours", {}};
  for (int i = 0; i < count; ++i) {
    const int digits = static_cast<int>(Uniform(rng, 1, 16));
    const std::uint64_t k = Uniform(rng, 0, static_cast<std::uint64_t>(std::pow(10.0, digits)) - 1);
    char text[40];
    std::snprintf(text, sizeof text, "%llu.%03u5", static_cast<unsigned long long>(k / 1000),
                  static_cast<unsigned>(k % 1000));
    AddWithNeighbours(f.values, WithRandomSign(rng, std::strtod(text, nullptr)), 3);
  }
  return f;
}

// The double nearest to a 17-digit number plus half a unit of its last digit.
Family SeventeenDigitBoundaries(Rng& rng, int count) {
  Family f{"17-digit rounding boundaries and neighbours", {}};
  for (int i = 0; i < count; ++i) {
    const std::uint64_t n = Uniform(rng, 10000000000000000u, 99999999999999999u);
    const int exponent = static_cast<int>(Uniform(rng, 0, 318)) - 10;
    char text[64];
    std::snprintf(text, sizeof text, "%llu5e%d", static_cast<unsigned long long>(n), exponent - 17);
    AddWithNeighbours(f.values, WithRandomSign(rng, std::strtod(text, nullptr)), 2);
  }
  return f;
}

// j * 2^-k with j odd and j * 5^k of 18 digits: the exact value has 18
// significant digits ending in 5, a true tie of the first rounding.
Family EighteenDigitTies(Rng& rng, int count) {
  Family f{"exact 18-digit ties and neighbours", {}};
  for (int i = 0; i < count; ++i) {
    const int k = static_cast<int>(Uniform(rng, 2, 25));
    std::uint64_t pow5 = 1;
    for (int j = 0; j < k; ++j)
      pow5 *= 5;
    const std::uint64_t low = (100000000000000000u + pow5 - 1) / pow5;
    const std::uint64_t high =
        std::min<std::uint64_t>((1000000000000000000u - 1) / pow5, 1ull << 53);
    const std::uint64_t j = Uniform(rng, low, high) | 1;
    if (j * pow5 >= 1000000000000000000u || j > (1ull << 53))
      continue;
    AddWithNeighbours(f.values, WithRandomSign(rng, std::ldexp(static_cast<double>(j), -k)), 1);
  }
  return f;
}

Family PowersOfTwo() {
  Family f{"powers of two and neighbours", {}};
  for (int k = -1074; k <= 1023; ++k) {
    AddWithNeighbours(f.values, std::ldexp(1.0, k), 1);
    AddWithNeighbours(f.values, -std::ldexp(1.0, k), 1);
  }
  return f;
}

// Integers around the places where the rendering changes shape: 10^13 (17
// digits reach the third decimal), 10^16 and 10^17 (17-digit integers), 2^53,
// 2^56 and 2^64 (the end of exact integers and of the integer shortcut).
Family IntegersNearLimits(Rng& rng, int count) {
  Family f{"integers near 10^17 and other limits", {}};
  for (double anchor : {1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 0x1p53, 0x1p56, 0x1p57, 0x1p64}) {
    AddWithNeighbours(f.values, anchor, 300);
  }
  for (int i = 0; i < count; ++i) {
    const double value = static_cast<double>(Uniform(rng, 10000000000000000u, ~0ull));
    f.values.push_back(WithRandomSign(rng, value));
  }
  return f;
}

// Subnormals, the smallest normals, the largest doubles, and the neighbourhood
// of 4e-4, below which every value prints as zero.
Family TinyAndHuge(Rng& rng, int count) {
  Family f{"tiny and huge magnitudes", {}};
  for (int i = 0; i < count; ++i) {
    const std::uint64_t sign = rng() & (1ull << 63);
    f.values.push_back(FromBits(sign | (rng() >> 12) | (Uniform(rng, 0, 60) << 52)));
    f.values.push_back(FromBits(sign | (rng() >> 12) | (Uniform(rng, 2046 - 60, 2046) << 52)));
  }
  for (double anchor : {4e-4, 1e-4, 5e-4, 1e-3})
    AddWithNeighbours(f.values, anchor, 1000);
  AddWithNeighbours(f.values, std::numeric_limits<double>::max(), 100);
  AddWithNeighbours(f.values, std::numeric_limits<double>::denorm_min(), 100);
  return f;
}

int EnvironmentInt(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

}  // namespace

std::vector<Family> MakeFamilies(std::uint64_t seed, int scale) {
  Rng rng(seed);
  std::vector<Family> families;
  families.push_back(RandomBits(rng, 200000 * scale));
  families.push_back(ModerateMagnitudes(rng, 150000 * scale));
  families.push_back(ThreeDecimalHalves(rng, 60000 * scale));
  families.push_back(SeventeenDigitBoundaries(rng, 25000 * scale));
  families.push_back(EighteenDigitTies(rng, 20000 * scale));
  families.push_back(PowersOfTwo());
  families.push_back(IntegersNearLimits(rng, 20000 * scale));
  families.push_back(TinyAndHuge(rng, 10000 * scale));
  return families;
}

std::uint64_t SeedFromEnvironment() {
  const char* text = std::getenv("AMBRIX_FIXED3_SEED");
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : 20240611u;
}

int ScaleFromEnvironment() {
  return std::max(1, EnvironmentInt("AMBRIX_FIXED3_SCALE", 1));
}

}  // namespace fixed3_samples
