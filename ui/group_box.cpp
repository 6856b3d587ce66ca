#include "ui/group_box.h"

namespace {

const char kOriginalProcedure[] = "VellumarkGroupBoxProc";

// The button class leaves a group box's inside unpainted; as a parent with
// its own children it must fill it, or the face shows through as black.
LRESULT CALLBACK groupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(box, kOriginalProcedure));
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(box, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(box, kOriginalProcedure);
        break;
    }
    return CallWindowProcA(original, box, message, wParam, lParam);
}

}  // namespace

HWND createGroupBox(HWND parent, int id, const char* title, int x, int y, int width, int height) {
    const HWND box = CreateWindowExA(
        0, "BUTTON", title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | BS_GROUPBOX, x, y, width,
        height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    if (!box) return nullptr;
    SetPropA(box, kOriginalProcedure,
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(box, GWLP_WNDPROC)));
    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(groupBoxProc));
    return box;
}
