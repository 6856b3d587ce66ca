#include "app/windowing/fatal_error.h"

#include <windows.h>

void stopOnFatalError(const char* text) {
    MessageBoxA(nullptr, text, "电脑Vellumark", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(static_cast<UINT>(kFatalExitStatus));
}
