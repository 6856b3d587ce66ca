// Information and warning messages.
#include <windows.h>

#include "platform/win32/win32_user_services.h"

static_assert(kMessageInformation == MB_ICONINFORMATION, "the portable copy of MB_ICONINFORMATION");
static_assert(kMessageWarning == MB_ICONWARNING, "the portable copy of MB_ICONWARNING");

void Win32UserServices::showMessage(const Text& text, int style, const Text& title) {
    MessageBoxA(nullptr, text.c_str(), title.c_str(), static_cast<UINT>(style) | MB_TASKMODAL);
}
