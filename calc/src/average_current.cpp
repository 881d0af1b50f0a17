#include "calc/average_current.h"

#include <cstddef>

#include "calc/format_result.h"
#include "calc/parse_entry.h"

namespace calc {
namespace {

struct ScaledWindow {
  double seconds;
  double microamps;
};

ScaledWindow Scale(const DutyWindow& window) {
  // Divide by the divisor; a multiplication by its reciprocal rounds differently.
  return {
      ParseEntry(window.duration) / static_cast<double>(TimeUnitDivisor(window.timeUnit)),
      ParseEntry(window.current) * static_cast<double>(CurrentUnitMultiplier(window.currentUnit))};
}

}  // namespace

double ComputeAverageCurrent(const DutyWindows& windows) {
  // Both sums start from row 1's own terms rather than from +0, so that a
  // negative zero in every row keeps its sign.
  const ScaledWindow first = Scale(windows[0]);
  double weighted = first.microamps * first.seconds;
  double total = first.seconds;
  for (std::size_t row = 1; row < windows.size(); ++row) {
    const ScaledWindow scaled = Scale(windows[row]);
    weighted += scaled.microamps * scaled.seconds;
    total += scaled.seconds;
  }
  return weighted / total;
}

ResultMessage FormatAverageCurrentMessage(double averageMicroamps) {
  return {u"计算平均功耗", FormatResult(u"得到平均功耗是:%.3fuA.\r\n", averageMicroamps)};
}

}  // namespace calc
