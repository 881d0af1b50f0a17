#include "dlginit.h"

namespace afx::detail {
namespace {

std::uint32_t ReadLittleEndian(std::span<const std::byte> bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;)
    value = (value << 8) | std::to_integer<std::uint32_t>(bytes[i]);
  return value;
}

}  // namespace

bool ForEachDlgInitEntry(std::span<const std::byte> resource,
                         const std::function<bool(const DlgInitEntry&)>& apply) {
  std::size_t at = 0;
  while (true) {
    if (resource.size() - at < 2)
      return false;
    const auto controlId = static_cast<std::uint16_t>(ReadLittleEndian(resource.subspan(at, 2)));
    if (controlId == 0)
      return true;
    if (resource.size() - at < 8)
      return false;
    const auto message = static_cast<std::uint16_t>(ReadLittleEndian(resource.subspan(at + 2, 2)));
    const std::uint32_t length = ReadLittleEndian(resource.subspan(at + 4, 4));
    at += 8;
    if (resource.size() - at < length)
      return false;
    const std::span<const std::byte> data = resource.subspan(at, length);
    const bool isText = message == kDlgInitListBoxAddString || message == kDlgInitComboBoxAddString;
    // A list text must carry its terminating zero inside the entry.
    if (isText && (length == 0 || data.back() != std::byte{0}))
      return false;
    if (!apply({controlId, message, data}))
      return false;
    at += length;
  }
}

}  // namespace afx::detail
