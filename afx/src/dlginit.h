// The dialog-initialisation resource: a list of messages to send to a
// dialog's controls, each {u16 control id, u16 message, u32 byte count,
// bytes}, packed without alignment and ended by a control id of 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace afx::detail {

// The message ids used in the resource for filling lists.
inline constexpr std::uint16_t kDlgInitListBoxAddString = 0x0401;
inline constexpr std::uint16_t kDlgInitComboBoxAddString = 0x0403;

struct DlgInitEntry {
  std::uint16_t controlId;
  std::uint16_t message;
  std::span<const std::byte> data;  // for the list messages: a zero-terminated 8-bit text
};

// Calls `apply` for each entry in order until it returns false. Returns false
// when an entry failed or the data is truncated or malformed.
bool ForEachDlgInitEntry(std::span<const std::byte> resource,
                         const std::function<bool(const DlgInitEntry&)>& apply);

}  // namespace afx::detail
