// The calculator window's caption and control ids, and the About box's, as a
// user sees them; written out here rather than taken from the program's own
// header, so that a wrong id in the program shows up as a failing test.
#pragma once

namespace e2e {

inline constexpr wchar_t kCalculatorCaption[] = L"平均功耗计算器----------Norvale";
inline constexpr wchar_t kAboutCaption[] = L"关于 Ambrix";

// Row k's controls: duration, time unit, current, current unit.
struct RowIds {
  int duration;
  int timeUnit;
  int current;
  int currentUnit;
};

// Row 1 skips 1002, the average-power button.
inline constexpr RowIds kRows[5] = {
    {1000, 1001, 1003, 1004}, {1005, 1006, 1007, 1008}, {1009, 1010, 1011, 1012},
    {1013, 1014, 1015, 1016}, {1017, 1018, 1019, 1020},
};

inline constexpr int kCalcAveragePower = 1002;
inline constexpr int kCalcBatteryLife = 1021;
inline constexpr int kCapacity = 1022;
inline constexpr int kCapacityUnit = 1023;
inline constexpr int kContactLink = 1025;

// The About box's only button.
inline constexpr int kAboutOk = 1;

// The system-menu command of the About entry; the low four bits belong to the system.
inline constexpr unsigned kAboutCommand = 0x0010;

inline constexpr wchar_t kAverageTitle[] = L"计算平均功耗";
inline constexpr wchar_t kBatteryLifeTitle[] = L"计算电池年限";

}  // namespace e2e
