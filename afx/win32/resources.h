// Between the Win32 backend's files: the program's own resources.
#pragma once

#include <cstddef>
#include <span>

#include "afx/platform.h"

namespace afx::win32 {

inline constexpr WORD kDlgInitResourceType = 240;

// The bytes of resource `name` of `type` in the program's resources; empty
// when there is none.
std::span<const std::byte> FindResourceBytes(const wchar_t* name, const wchar_t* type);

}  // namespace afx::win32
