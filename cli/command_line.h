// The command line of ambrix-calc: up to five duty windows, an optional
// battery capacity, and the output form.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/calc.h"

namespace cli {

struct Capacity {
  std::u16string text;
  calc::CapacityUnit unit = calc::CapacityUnit::kMilliampHours;
};

struct Request {
  calc::DutyWindows windows;  // rows not given stay "0" s, "0" uA, as in the window
  std::optional<Capacity> capacity;
  bool json = false;
  bool help = false;
};

struct ParseOutcome {
  std::optional<Request> request;
  std::string error;  // set when there is no request
};

ParseOutcome ParseCommandLine(std::span<const std::string_view> args);

std::string_view Usage();

}  // namespace cli
