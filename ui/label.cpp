#include "ui/label.h"

#include <string>

#include "ui/control_subclass.h"

namespace {

const char kOriginalProcedure[] = "VellumarkLabelProc";

// The static's own styles say how it is drawn (SS_CENTERIMAGE: one centred
// line), so what it reports is what we paint.
DWORD staticStyleFor(LabelLines lines) {
    return SS_LEFT | SS_NOPREFIX | (lines == LabelLines::One ? SS_CENTERIMAGE : 0);
}

// Painted here rather than by the static, whose colours follow the parent's
// WM_CTLCOLORSTATIC and the system's window text colour, not black.
void paintLabel(HWND label, HDC dc) {
    RECT area;
    GetClientRect(label, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

    std::string text(static_cast<size_t>(GetWindowTextLengthA(label)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(label, text.data(), static_cast<int>(text.size()))));

    const auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    const bool oneLine = (GetWindowLongA(label, GWL_STYLE) & SS_CENTERIMAGE) != 0;
    const UINT format =
        DT_LEFT | DT_NOPREFIX | (oneLine ? DT_SINGLELINE | DT_VCENTER : DT_WORDBREAK);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;  // paintLabel fills the whole area itself
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(label, &paint);
        paintLabel(label, dc);
        EndPaint(label, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: paintLabel(label, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
        // The static draws itself at once on these; paint over it in our colours.
        const LRESULT result =
            callOriginalProcedure(kOriginalProcedure, label, message, wParam, lParam);
        InvalidateRect(label, nullptr, TRUE);
        return result;
    }
    }
    return callOriginalProcedure(kOriginalProcedure, label, message, wParam, lParam);
}

}  // namespace

HWND createLabel(HWND parent, int id, const char* text, int x, int y, int width, int height,
                 LabelLines lines) {
    const HWND label = CreateWindowExA(
        0, "STATIC", text, WS_CHILD | WS_VISIBLE | staticStyleFor(lines), x, y, width, height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    if (!label) return nullptr;
    if (!subclassControl(label, kOriginalProcedure, labelProc)) {
        DestroyWindow(label);
        return nullptr;
    }
    return label;
}
