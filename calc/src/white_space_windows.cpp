#include "white_space.h"

namespace calc::detail {

bool IsPlatformSpace(char16_t) { return false; }  // TODO: being written

}  // namespace calc::detail
