// The "%.3f" text of an infinity or a not-a-number.
#pragma once

#include <cstddef>
#include <cstdint>

namespace calc::detail {

// For the bits of a double whose exponent field is all ones: the length of the
// text, and the text written at out, returning its end.
std::size_t Fixed3NonFiniteLength(std::uint64_t bits);
char16_t* WriteFixed3NonFinite(char16_t* out, std::uint64_t bits);

}  // namespace calc::detail
