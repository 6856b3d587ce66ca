#include "ui/main_window.h"

#include <windowsx.h>

#include <iterator>

#include "platform/text.h"
#include "platform/win32/picture_box.h"
#include "profile/brand_presets.h"
#include "resources/embedded_resources.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/main_window_buttons.h"
#include "ui/main_window_layout.h"

namespace {

// Posted on CBN_SELENDOK, so the handler runs after the list has finished
// taking the choice and reads the new selection.
constexpr UINT kBrandSelectedMessage = WM_APP + 2;
// Posted on CBN_SELENDCANCEL (Esc, Tab or a click elsewhere while the list is
// dropped): the list may still show the item that was only highlighted, so
// it is put back, after the list has finished closing, to the brand whose
// values the fields hold.
constexpr UINT kBrandCancelledMessage = WM_APP + 3;

constexpr int kWindowWidth = 550;
constexpr int kWindowHeight = 450;
constexpr int kDroppedListHeight = 160;
const COLORREF kBannerBackground = RGB(0, 128, 128);

HWND createChild(const char* className, const char* text, DWORD style, DWORD exStyle,
                 const ControlLayout& layout, HWND parent) {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, layout.x,
                           layout.y, layout.width, layout.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                           GetModuleHandleA(nullptr), nullptr);
}

HWND createControl(const ControlLayout& layout, HWND parent) {
    switch (layout.kind) {
    case ControlKind::Label:
        return createLabel(parent, layout.id, layout.text, layout.x, layout.y, layout.width,
                           layout.height);
    case ControlKind::Edit: {
        // A flat one-pixel border; selection hidden while unfocused is the default.
        const HWND edit = createChild("EDIT", "", WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
                                      0, layout, parent);
        if (edit) SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);  // no length limit
        return edit;
    }
    case ControlKind::Button:
        return createChild("BUTTON", layout.text,
                           WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0, layout, parent);
    case ControlKind::GroupBox:
        return createGroupBox(parent, layout.id, layout.text, layout.x, layout.y, layout.width,
                              layout.height);
    case ControlKind::BrandList: {
        ControlLayout dropped = layout;
        dropped.height = kDroppedListHeight;
        // No integral height: the dropped list ends exactly at 160 pixels.
        return createChild("COMBOBOX", "",
                           WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT, 0,
                           dropped, parent);
    }
    case ControlKind::LogoPicture:
        return createPictureBox(parent, layout.id, layout.x, layout.y, layout.width, layout.height,
                                RGB(255, 255, 255), PictureMode::ActualSizeTopLeft);
    case ControlKind::Banner:
        return createPictureBox(parent, layout.id, layout.x, layout.y, layout.width, layout.height,
                                kBannerBackground, PictureMode::StretchToBox);
    }
    return nullptr;
}

// Moves `label` directly above `field` among their siblings. Tab does not
// follow the z-order (the window walks its own Tab order), so only screen
// readers see the change.
void placeLabelBefore(HWND label, HWND field) {
    const HWND above = GetWindow(field, GW_HWNDPREV);
    if (above == label) return;
    SetWindowPos(label, above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Text mainWindowCaption() {
    return Text("电脑修改Vellumark Tarnhollow(") + kMakerWebAddress + ")V 1.0";
}

}  // namespace

MainWindow::MainWindow(WindowHost& host, WindowEvents& events)
    : ProgramWindow(host, WindowId::Main), events_(events) {}

MainWindow* MainWindow::open(WindowHost& host, WindowEvents& events, HWND owner) {
    auto* window = new MainWindow(host, events);
    const Text caption = mainWindowCaption();
    WindowFrame frame;
    frame.className = VELLUMARK_MAIN_WINDOW_CLASS;
    frame.caption = caption.c_str();
    frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    frame.exStyle = WS_EX_APPWINDOW;
    frame.width = kWindowWidth;
    frame.height = kWindowHeight;
    if (!create(window, frame, owner)) return nullptr;
    // Choosing from code raises no event.
    SendMessageA(window->control(kIdBrandList), CB_SETCURSEL, 0, 0);
    return window;
}

bool MainWindow::createControls() {
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const ControlLayout& layout : kMainWindowLayout) {
        const HWND parent = layout.parentId ? control(layout.parentId) : hwnd();
        const HWND created = createControl(layout, parent);
        if (!created) return false;
        SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls_[layout.id] = created;
    }
    for (const FieldLabel& pair : kMainWindowFieldLabels) {
        placeLabelBefore(control(pair.labelId), control(pair.fieldId));
    }

    const HWND brandList = control(kIdBrandList);
    for (int index = 0; index < kBrandPresetCount; ++index) {
        SendMessageA(brandList, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(brandPreset(index)->listItem));
    }
    const LRESULT itemHeight = SendMessageA(brandList, CB_GETITEMHEIGHT, 0, 0);
    if (itemHeight > 0) SendMessageA(brandList, CB_SETITEMHEIGHT, 0, itemHeight + 1);

    setPictureBoxBytes(control(kIdBanner), Bytes(kBannerGif, kBannerGif + kBannerGifSize));
    return true;
}

void MainWindow::onCreated() {
    brandInFields_ = static_cast<int>(SendMessageA(control(kIdBrandList), CB_GETCURSEL, 0, 0));
    events_.dispatch(WindowEvent::MainWindowCreated);
}

HWND MainWindow::control(int controlId) const {
    const auto found = controls_.find(controlId);
    return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::moveFocusAlongTabOrder(bool backwards) {
    const int count = static_cast<int>(std::size(kMainWindowTabOrder));
    const HWND focused = GetFocus();
    int current = -1;
    for (int index = 0; index < count; ++index) {
        if (control(kMainWindowTabOrder[index]) == focused) current = index;
    }
    // Skips controls that are hidden or disabled, wrapping both ways.
    for (int step = 1; step <= count; ++step) {
        const int start = current < 0 ? (backwards ? 0 : count - 1) : current;
        const int next = ((start + (backwards ? -step : step)) % count + count) % count;
        const HWND candidate = control(kMainWindowTabOrder[next]);
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

bool MainWindow::translateKey(const MSG& message) {
    const HWND brandList = control(kIdBrandList);
    const bool listDropped = SendMessageA(brandList, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        // Tab leaves a dropped list as Windows does: closed without taking
        // the highlighted item (CBN_SELENDCANCEL).
        if (listDropped) SendMessageA(brandList, CB_SHOWDROPDOWN, FALSE, 0);
        moveFocusAlongTabOrder(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    // While the brand list is dropped, Esc closes it and Enter takes the
    // item, as the list's own keys; they do not reach the window.
    if (listDropped) return false;
    if (message.wParam == VK_RETURN &&
        (message.message == WM_KEYDOWN || message.message == WM_CHAR)) {
        return true;  // no default button: Enter presses nothing
    }
    if (message.message == WM_CHAR && message.wParam == '\t') return true;
    return ProgramWindow::translateKey(message);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int controlId = LOWORD(wParam);
        const int notification = HIWORD(wParam);
        if (controlId == kIdBrandList && notification == CBN_SELENDOK) {
            PostMessageA(hwnd(), kBrandSelectedMessage, 0, 0);
            return 0;
        }
        if (controlId == kIdBrandList && notification == CBN_SELENDCANCEL) {
            PostMessageA(hwnd(), kBrandCancelledMessage, 0, 0);
            return 0;
        }
        if (notification == BN_CLICKED) {
            if (const auto event = buttonClickEvent(controlId)) events_.dispatch(*event);
            return 0;
        }
        break;
    }
    case kBrandSelectedMessage:
        // The preset about to run takes the brand as the list shows it now.
        brandInFields_ = static_cast<int>(SendMessageA(control(kIdBrandList), CB_GETCURSEL, 0, 0));
        events_.dispatch(WindowEvent::BrandSelected);
        return 0;
    case kBrandCancelledMessage:
        SendMessageA(control(kIdBrandList), CB_SETCURSEL, brandInFields_, 0);
        return 0;
    case kPictureBoxMousePressed:
        if (HIWORD(wParam) == kIdBanner) {
            events_.bannerPressed(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), LOWORD(wParam));
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focused = GetFocus();
            if (focused && IsChild(hwnd(), focused)) lastFocus_ = focused;
        } else {
            SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_
                                                        : control(kIdManufacturerEdit));
        }
        return 0;
    }
    return ProgramWindow::onMessage(message, wParam, lParam);
}

bool registerMainWindowClass(HINSTANCE instance) {
    return registerProgramWindowClass(instance, VELLUMARK_MAIN_WINDOW_CLASS);
}
