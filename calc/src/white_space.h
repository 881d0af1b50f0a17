// White space that may stand in front of an entry's number.
#pragma once

namespace calc::detail {

// The platform's answer for a code unit from U+0100 to U+FFFE; the caller
// decides the rest.
bool IsPlatformSpace(char16_t unit);

// Below U+0100 the set is fixed, so that entries read the same everywhere;
// above it the platform's own classification decides, except for U+FFFF,
// which is not a character.
inline bool IsLeadingSpace(char16_t unit) {
  if (unit < 0x100)
    return unit == 0x20 || (unit >= 0x09 && unit <= 0x0D) || unit == 0xA0;
  return unit != 0xFFFF && IsPlatformSpace(unit);
}

}  // namespace calc::detail
