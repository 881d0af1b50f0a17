#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace cli {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  if (std::isnan(value))
    return std::signbit(value) ? "\"-nan\"" : "\"nan\"";
  if (std::isinf(value))
    return value < 0 ? "\"-inf\"" : "\"inf\"";
  char digits[32];
  // %.17g without the locale: general form, 17 significant digits.
  const auto result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 17);
  return std::string(digits, result.ptr);
}

}  // namespace cli
