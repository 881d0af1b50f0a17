// A minimal JSON writer for ambrix-calc's one output object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cli {

// A JSON string literal of UTF-8 text, quotes included.
std::string JsonString(std::string_view utf8);
// A finite double as %.17g; a non-finite one as the string "inf", "-inf", "nan" or "-nan".
std::string JsonNumber(double value);

}  // namespace cli
