// The platform's answer to whether a code unit above U+00FF is white space.
#pragma once

namespace calc::detail {

// For code units from U+0100 to U+FFFE only; the caller decides the rest.
bool IsPlatformSpace(char16_t unit);

}  // namespace calc::detail
