// UTF-8 <-> UTF-16 for the command line and its output.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// Malformed sequences become U+FFFD, one per offending byte.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace cli
