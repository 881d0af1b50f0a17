// ParseEntry: the text of an entry field to a double.
#pragma once

#include <string_view>

namespace calc {

// Reads the longest leading decimal number of `text` (after white space) and
// returns the double nearest to it; exact halfway cases go toward zero. A text
// without a leading number is +0. Never fails, never reports anything.
double ParseEntry(std::u16string_view text);

}  // namespace calc
