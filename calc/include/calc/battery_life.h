// The battery service life from a capacity and an average current.
#pragma once

#include <cstdint>
#include <string_view>

#include "calc/result_message.h"
#include "calc/units.h"

namespace calc {

struct BatteryLife {
  double years = 0;
  std::int32_t days = 0;  // from the rounded years; wraps modulo 2^32
};

BatteryLife ComputeBatteryLife(std::u16string_view capacity, CapacityUnit unit,
                               double averageMicroamps);

// Title "计算电池年限", text "得到电池使用年限是: %.3f年≈%d天.\r\n".
ResultMessage FormatBatteryLifeMessage(const BatteryLife& life);

// The day count's truncation: toward zero to 64 bits, then the low 32 bits as
// a signed number; 0 for a not-a-number, an infinity or a magnitude of 2^63 or
// more.
std::int32_t TruncateDays(double days);

}  // namespace calc
