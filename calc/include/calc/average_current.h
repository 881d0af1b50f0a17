// The time-weighted average current of the five duty windows.
#pragma once

#include <array>
#include <string>

#include "calc/result_message.h"
#include "calc/units.h"

namespace calc {

// One row of the calculator: the field texts as entered, with their units.
struct DutyWindow {
  std::u16string duration;
  TimeUnit timeUnit = TimeUnit::kSeconds;
  std::u16string current;
  CurrentUnit currentUnit = CurrentUnit::kMicroamps;
};

inline constexpr int kDutyWindowCount = 5;
using DutyWindows = std::array<DutyWindow, kDutyWindowCount>;

// Sum of current x duration over the sum of durations, in microamperes, both
// summed from row 1 to row 5. A zero total duration is not special: the IEEE
// quotient (an infinity or not-a-number) is the result.
double ComputeAverageCurrent(const DutyWindows& windows);

// Title "计算平均功耗", text "得到平均功耗是:%.3fuA.\r\n".
ResultMessage FormatAverageCurrentMessage(double averageMicroamps);

}  // namespace calc
