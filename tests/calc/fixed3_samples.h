// Generated doubles for the differential tests of the "%.3f" rendering, in
// named families that each aim at one kind of hard case.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fixed3_samples {

struct Family {
  std::string name;
  std::vector<double> values;
};

// Deterministic for a given seed; `scale` multiplies the size of the random
// families (1 gives about a million values).
std::vector<Family> MakeFamilies(std::uint64_t seed, int scale);

// The seed and scale for this run: a fixed seed unless AMBRIX_FIXED3_SEED is
// set, scale 1 unless AMBRIX_FIXED3_SCALE asks for a longer run.
std::uint64_t SeedFromEnvironment();
int ScaleFromEnvironment();

}  // namespace fixed3_samples
