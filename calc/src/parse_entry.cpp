#include "calc/parse_entry.h"

namespace calc {

double ParseEntry(std::u16string_view) { return 0; }  // TODO: being written

}  // namespace calc
