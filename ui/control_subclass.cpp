#include "ui/control_subclass.h"

bool subclassControl(HWND control, const char* propertyName, WNDPROC procedure) {
    const LONG_PTR original = GetWindowLongPtrA(control, GWLP_WNDPROC);
    if (!original || !SetPropA(control, propertyName, reinterpret_cast<HANDLE>(original))) {
        return false;
    }
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    return true;
}

LRESULT callOriginalProcedure(const char* propertyName, HWND control, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(control, propertyName));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(control, propertyName);
    }
    return CallWindowProcA(original, control, message, wParam, lParam);
}
