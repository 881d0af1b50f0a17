// Without a platform query, the Unicode White_Space property above U+00FF.
#include "white_space.h"

namespace calc::detail {

bool IsPlatformSpace(char16_t unit) {
  switch (unit) {
    case 0x1680:  // ogham space mark
    case 0x2028:  // line separator
    case 0x2029:  // paragraph separator
    case 0x202F:  // narrow no-break space
    case 0x205F:  // medium mathematical space
    case 0x3000:  // ideographic space
      return true;
    default:
      return unit >= 0x2000 && unit <= 0x200A;  // en quad to hair space
  }
}

}  // namespace calc::detail
