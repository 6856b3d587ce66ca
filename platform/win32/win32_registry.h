#pragma once
// Registry values written under a root key; a full path is the key path, a
// backslash and the value name. Missing keys are created.
#include <windows.h>

#include <cstdint>

#include "platform/bytes.h"

namespace win32 {

// A REG_SZ value of the text's bytes and its terminating NUL.
bool writeRegistryText(HKEY root, const Text& fullPath, const Text& text);
// A 4-byte REG_DWORD value.
bool writeRegistryNumber(HKEY root, const Text& fullPath, std::uint32_t number);

}  // namespace win32
