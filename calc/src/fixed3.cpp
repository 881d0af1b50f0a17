#include "calc/format_result.h"

namespace calc {

void AppendFixed3(std::u16string& out, double) { out += u"?"; }  // TODO: being written

}  // namespace calc
