// ambrix-calc: the power-budget calculation from the command line.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc.h"
#include "command_line.h"
#include "json_writer.h"
#include "utf.h"

namespace {

std::string MessageJson(const calc::ResultMessage& message) {
  return "{\"title\": " + cli::JsonString(cli::Utf16ToUtf8(message.title)) +
         ", \"text\": " + cli::JsonString(cli::Utf16ToUtf8(message.text)) + "}";
}

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const cli::ParseOutcome outcome = cli::ParseCommandLine(args);
  if (!outcome.request) {
    std::fprintf(stderr, "ambrix-calc: %s\n\n%.*s", outcome.error.c_str(),
                 static_cast<int>(cli::Usage().size()), cli::Usage().data());
    return 2;
  }
  const cli::Request& request = *outcome.request;
  if (request.help) {
    Print(std::string(cli::Usage()));
    return 0;
  }

  const double average = calc::ComputeAverageCurrent(request.windows);
  const calc::ResultMessage averageMessage = calc::FormatAverageCurrentMessage(average);
  if (!request.json) {
    Print(cli::Utf16ToUtf8(averageMessage.text));
    if (request.capacity) {
      const calc::BatteryLife life =
          calc::ComputeBatteryLife(request.capacity->text, request.capacity->unit, average);
      Print(cli::Utf16ToUtf8(calc::FormatBatteryLifeMessage(life).text));
    }
    return 0;
  }

  std::string json = "{\"averageMicroamps\": " + cli::JsonNumber(average) +
                     ", \"averageMessage\": " + MessageJson(averageMessage);
  if (request.capacity) {
    const calc::BatteryLife life =
        calc::ComputeBatteryLife(request.capacity->text, request.capacity->unit, average);
    json += ", \"years\": " + cli::JsonNumber(life.years) +
            ", \"days\": " + std::to_string(life.days) +
            ", \"batteryLifeMessage\": " + MessageJson(calc::FormatBatteryLifeMessage(life));
  }
  Print(json + "}\n");
  return 0;
}
