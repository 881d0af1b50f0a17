#include "calc/parse_entry.h"

#include "decimal_scan.h"
#include "decimal_to_double.h"

namespace calc {

double ParseEntry(std::u16string_view text) {
  detail::ScannedDecimal number;
  if (!detail::ScanShortDecimal(text, number))
    number = detail::ScanDecimal(text);
  return detail::DecimalToDouble(number.negative, number.digits, number.exponent);
}

}  // namespace calc
