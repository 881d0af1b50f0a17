// The "%.3f" text of an infinity or a not-a-number.
#pragma once

#include <cstdint>
#include <string>

namespace calc::detail {

// `bits` are those of a double whose exponent field is all ones.
void AppendFixed3NonFinite(std::u16string& out, std::uint64_t bits);

}  // namespace calc::detail
