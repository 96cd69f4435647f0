// Repairing text that should be UTF-8 (the writers of files that must be
// UTF-8 throughout).
#pragma once

#include <string>
#include <string_view>

namespace text {

// The text with U+FFFD for each byte that starts no well-formed UTF-8
// sequence (a stray or cut byte, an overlong form, a surrogate, a value
// beyond U+10FFFF); well-formed text comes back as it is.
std::string RepairUtf8(std::string_view bytes);

}  // namespace text
