#include "ui/group_box.h"

#include "ui/control_subclass.h"

namespace {

const char kOriginalProcedure[] = "VellumarkGroupBoxProc";

// The button class leaves a group box's inside unpainted; as a parent with
// its own children it must fill it, or the face shows through as black.
LRESULT CALLBACK groupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT area;
        GetClientRect(box, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return callOriginalProcedure(kOriginalProcedure, box, message, wParam, lParam);
}

}  // namespace

HWND createGroupBox(HWND parent, int id, const char* title, int x, int y, int width, int height) {
    const HWND box = CreateWindowExA(
        0, "BUTTON", title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | BS_GROUPBOX, x, y, width,
        height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    if (!box) return nullptr;
    if (!subclassControl(box, kOriginalProcedure, groupBoxProc)) {
        DestroyWindow(box);
        return nullptr;
    }
    return box;
}
