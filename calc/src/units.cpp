#include "calc/units.h"

#include <array>
#include <cstddef>

namespace calc {
namespace {

constexpr std::array<std::uint32_t, 3> kTimeDivisors = {1, 1000, 1000000};
constexpr std::array<std::uint32_t, 3> kCurrentMultipliers = {1, 1000, 1000000};
constexpr std::array<std::uint32_t, 2> kCapacityMultipliers = {1, 1000};

// A list with no selection reports -1; that, and any other position outside
// the table, reads the first entry rather than past the table's end.
template <class Unit, std::size_t N>
std::uint32_t Lookup(const std::array<std::uint32_t, N>& table, Unit unit) {
  const auto position = static_cast<std::int32_t>(unit);
  if (position < 0 || static_cast<std::size_t>(position) >= N)
    return table[0];
  return table[static_cast<std::size_t>(position)];
}

}  // namespace

std::uint32_t TimeUnitDivisor(TimeUnit unit) {
  return Lookup(kTimeDivisors, unit);
}
std::uint32_t CurrentUnitMultiplier(CurrentUnit unit) {
  return Lookup(kCurrentMultipliers, unit);
}
std::uint32_t CapacityUnitMultiplier(CapacityUnit unit) {
  return Lookup(kCapacityMultipliers, unit);
}

}  // namespace calc
