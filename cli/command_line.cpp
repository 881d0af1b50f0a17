#include "command_line.h"

#include <array>
#include <cstddef>

#include "utf.h"

namespace cli {
namespace {

// The unit names, in list order: a unit's position is its value.
constexpr std::array<std::string_view, 3> kTimeUnits = {"s", "ms", "us"};
constexpr std::array<std::string_view, 3> kCurrentUnits = {"uA", "mA", "A"};
constexpr std::array<std::string_view, 2> kCapacityUnits = {"mA/h", "A/h"};

template <std::size_t N>
std::optional<std::int32_t> FindUnit(const std::array<std::string_view, N>& names,
                                     std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name)
      return static_cast<std::int32_t>(i);
  }
  return std::nullopt;
}

template <std::size_t N>
std::string UnitError(std::string_view what, std::string_view name,
                      const std::array<std::string_view, N>& names) {
  std::string error = "unknown ";
  error.append(what).append(" unit '").append(name).append("' (one of");
  for (std::string_view n : names) error.append(" ").append(n);
  return error.append(")");
}

ParseOutcome Fail(std::string error) {
  return {std::nullopt, std::move(error)};
}

}  // namespace

std::string_view Usage() {
  return R"(Usage: ambrix-calc [--json] [--window DURATION TIME_UNIT CURRENT CURRENT_UNIT]...
                   [--capacity CAPACITY CAPACITY_UNIT]
       ambrix-calc --help

Computes the time-weighted average current of up to five duty windows and,
given a battery capacity, the battery service life, exactly as the Ambrix
window does.

  --window D TU C CU   one duty window, at most five, in row order: a duration D
                       with unit TU (s, ms, us) and a current C with unit CU
                       (uA, mA, A). Rows not given are 0 s at 0 uA.
  --capacity Q QU      battery capacity Q with unit QU (mA/h, A/h); adds the
                       battery-life result.
  --json               print one JSON object instead of the message texts:
                       averageMicroamps, averageMessage {title, text} and, with a
                       capacity, years, days, batteryLifeMessage {title, text}.
                       Numbers are %.17g; non-finite ones are the strings "inf",
                       "-inf", "nan", "-nan".
  --help               show this text.

D, C and Q are field texts, read as the window reads them: the longest leading
decimal number counts ("5mA" is 5, "abc" is 0, "1d3" is 1000), so no value is
ever an error. Without --json the messages are printed in UTF-8, as shown in
the window's message boxes.

Exit status: 0 on success, 2 for a malformed command line or an unknown unit.

Example:
  ambrix-calc --window 10 ms 20 mA --window 990 ms 5 uA --capacity 2000 mA/h
)";
}

ParseOutcome ParseCommandLine(std::span<const std::string_view> args) {
  Request request;
  for (calc::DutyWindow& row : request.windows) {
    row = {u"0", calc::TimeUnit::kSeconds, u"0", calc::CurrentUnit::kMicroamps};
  }
  std::size_t windows = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const std::size_t left = args.size() - i - 1;
    if (arg == "--help" || arg == "-h") {
      request.help = true;
    } else if (arg == "--json") {
      request.json = true;
    } else if (arg == "--window") {
      if (left < 4)
        return Fail("--window needs DURATION TIME_UNIT CURRENT CURRENT_UNIT");
      if (windows == request.windows.size())
        return Fail("at most five --window are allowed");
      const auto time = FindUnit(kTimeUnits, args[i + 2]);
      if (!time)
        return Fail(UnitError("time", args[i + 2], kTimeUnits));
      const auto current = FindUnit(kCurrentUnits, args[i + 4]);
      if (!current)
        return Fail(UnitError("current", args[i + 4], kCurrentUnits));
      request.windows[windows++] = {Utf8ToUtf16(args[i + 1]), static_cast<calc::TimeUnit>(*time),
                                    Utf8ToUtf16(args[i + 3]),
                                    static_cast<calc::CurrentUnit>(*current)};
      i += 4;
    } else if (arg == "--capacity") {
      if (left < 2)
        return Fail("--capacity needs CAPACITY CAPACITY_UNIT");
      if (request.capacity)
        return Fail("--capacity may be given once");
      const auto unit = FindUnit(kCapacityUnits, args[i + 2]);
      if (!unit)
        return Fail(UnitError("capacity", args[i + 2], kCapacityUnits));
      request.capacity = Capacity{Utf8ToUtf16(args[i + 1]), static_cast<calc::CapacityUnit>(*unit)};
      i += 2;
    } else {
      return Fail("unexpected argument '" + std::string(arg) + "'");
    }
  }
  return {std::move(request), {}};
}

}  // namespace cli
