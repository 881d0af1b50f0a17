// The unit lists' positions and their integer scales.
#pragma once

#include <cstdint>

namespace calc {

// Each unit is the position of its entry in its list. A position outside the
// table (-1 when the list has no selection) counts as position 0.
enum class TimeUnit : std::int32_t { kSeconds = 0, kMilliseconds = 1, kMicroseconds = 2 };
enum class CurrentUnit : std::int32_t { kMicroamps = 0, kMilliamps = 1, kAmps = 2 };
enum class CapacityUnit : std::int32_t { kMilliampHours = 0, kAmpHours = 1 };

// Divides an entered duration into seconds: 1, 1000, 1000000.
std::uint32_t TimeUnitDivisor(TimeUnit unit);
// Multiplies an entered current into microamperes: 1, 1000, 1000000.
std::uint32_t CurrentUnitMultiplier(CurrentUnit unit);
// Multiplies an entered capacity into milliampere-hours: 1, 1000.
std::uint32_t CapacityUnitMultiplier(CapacityUnit unit);

}  // namespace calc
