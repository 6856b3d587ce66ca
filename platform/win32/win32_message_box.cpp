#include "platform/win32/win32_message_box.h"

#include <windows.h>

namespace win32 {

void showMessageBox(const Text& text, int style, const Text& title) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), static_cast<UINT>(style) | MB_TASKMODAL);
}

}  // namespace win32
