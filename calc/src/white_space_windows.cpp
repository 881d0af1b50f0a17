// On Windows the system's character classification decides, as it does for
// every other program the user runs.
#include <windows.h>

#include "white_space.h"

namespace calc::detail {

bool IsPlatformSpace(char16_t unit) {
  const wchar_t text = static_cast<wchar_t>(unit);
  WORD type = 0;  // stays 0, "not a space", should the query fail
  GetStringTypeW(CT_CTYPE1, &text, 1, &type);
  return (type & C1_SPACE) != 0;
}

}  // namespace calc::detail
