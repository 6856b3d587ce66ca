#pragma once
// Information and warning messages.
#include "platform/bytes.h"

namespace win32 {

// A message box without owner; MB_TASKMODAL keeps every window of this
// thread from taking input until it is closed.
void showMessageBox(const Text& text, int style, const Text& title);

}  // namespace win32
