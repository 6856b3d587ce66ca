#include "ui/label.h"

#include <string>

#include "ui/control_ids.h"

namespace {

HFONT labelFont(HWND label) { return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, 0)); }

void paintLabel(HWND label, HDC dc) {
    RECT area;
    GetClientRect(label, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

    std::string text(static_cast<size_t>(GetWindowTextLengthA(label)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(label, text.data(), static_cast<int>(text.size()))));

    const HGDIOBJ oldFont = SelectObject(dc, labelFont(label));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    const bool wrap = (GetWindowLongA(label, GWL_STYLE) & kLabelWordWrap) != 0;
    const UINT format = DT_LEFT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT:
        SetWindowLongPtrA(label, 0, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return static_cast<LRESULT>(GetWindowLongPtrA(label, 0));
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND: return 1;  // paintLabel fills the whole area itself
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(label, &paint);
        paintLabel(label, dc);
        EndPaint(label, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: paintLabel(label, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_NCHITTEST: return HTTRANSPARENT;  // a label takes no clicks, as a static does
    }
    return DefWindowProcA(label, message, wParam, lParam);
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = labelProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = VELLUMARK_LABEL_CLASS;
    return RegisterClassA(&windowClass) != 0;
}

HWND createLabel(HWND parent, int id, const char* text, int x, int y, int width, int height,
                 DWORD labelStyle) {
    return CreateWindowExA(0, VELLUMARK_LABEL_CLASS, text, WS_CHILD | WS_VISIBLE | labelStyle, x, y,
                           width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                           nullptr);
}
