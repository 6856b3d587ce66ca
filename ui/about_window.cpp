#include "ui/about_window.h"

#include "platform/text.h"
#include "profile/brand_presets.h"
#include "ui/control_ids.h"
#include "ui/group_box.h"
#include "ui/label.h"

const char kAboutNotesText[] =
    "1.本软件使用一些杀毒软件，可能会有误报。\r\n"
    "\r\n"
    "2.恢复默认功能只是恢复成原版系统的信息，并不会恢复成你初次使用本软件以前的\r\n"
    "信息。\r\n"
    "\r\n"
    "3.自定义背景图片最好选用宽高为4:3的图片，当然其他比例也行，只是图片可能会\r\n"
    "有一些变形。\r\n"
    "\r\n";

namespace {

constexpr int kWindowWidth = 410;
constexpr int kWindowHeight = 285;

}  // namespace

Text aboutProductLine() {
    return Text("电脑修改Vellumark Tarnhollow ") + kMakerWebAddress + " V 1.0";
}

AboutWindow* AboutWindow::open(WindowHost& host, HWND owner) {
    auto* window = new AboutWindow(host);
    WindowFrame frame;
    frame.className = VELLUMARK_ABOUT_WINDOW_CLASS;
    frame.caption = "关于";
    frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    frame.width = kWindowWidth;
    frame.height = kWindowHeight;
    return create(window, frame, owner);
}

bool AboutWindow::createControls() {
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Created in the layout's list order: each label before its group box,
    // so the group boxes are made first and the labels placed in them.
    const HWND notesGroup =
        createGroupBox(hwnd(), kIdAboutNotesGroup, "使用须知：", 10, 85, 380, 160);
    const HWND infoGroup = createGroupBox(hwnd(), kIdAboutInfoGroup, "信息：", 10, 10, 380, 60);
    if (!notesGroup || !infoGroup) return false;
    const HWND notes = createLabel(notesGroup, kIdAboutNotesLabel, kAboutNotesText, 15, 24, 360,
                                   128, LabelLines::Wrapped);
    const HWND product =
        createLabel(infoGroup, kIdAboutProductLabel, aboutProductLine().c_str(), 15, 15, 351, 40);
    if (!notes || !product) return false;
    for (HWND each : {notesGroup, infoGroup, notes, product}) {
        SendMessageA(each, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

bool registerAboutWindowClass(HINSTANCE instance) {
    return registerProgramWindowClass(instance, VELLUMARK_ABOUT_WINDOW_CLASS);
}
