#include "calc/battery_life.h"

#include <cmath>

#include "calc/format_result.h"
#include "calc/parse_entry.h"

namespace calc {

std::int32_t TruncateDays(double days) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (!std::isfinite(days) || std::fabs(days) >= kTwoTo63)
    return 0;
  const auto whole = static_cast<std::int64_t>(days);  // truncates toward zero
  // The low 32 bits, read as two's complement.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

BatteryLife ComputeBatteryLife(std::u16string_view capacity, CapacityUnit unit,
                               double averageMicroamps) {
  const double microampHours =
      (ParseEntry(capacity) * static_cast<double>(CapacityUnitMultiplier(unit))) * 1000.0;
  const double perYear = (averageMicroamps * 24.0) * 365.0;
  BatteryLife life;
  life.years = microampHours / perYear;
  // The days come from the rounded years, never straight from the charges.
  const double days = life.years * 365.0;
  life.days = TruncateDays(days);
  return life;
}

ResultMessage FormatBatteryLifeMessage(const BatteryLife& life) {
  return {u"计算电池年限",
          FormatResult(u"得到电池使用年限是: %.3f年≈%d天.\r\n", life.years, life.days)};
}

}  // namespace calc
