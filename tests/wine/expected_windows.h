#pragma once
// What the user should see in the windows, written out here once and kept
// apart from the program's own tables on purpose: a wrong place, size, text
// or Tab stop in the program fails the tests that read this.
#include "ui/control_ids.h"

namespace expected {

enum class Kind { Label, Edit, Button, GroupBox, BrandList, Picture };

// The system class each kind is made of, as GetClassName reports it.
inline const char* className(Kind kind) {
    switch (kind) {
    case Kind::Label: return "Static";
    case Kind::Edit: return "Edit";
    case Kind::Button:
    case Kind::GroupBox: return "Button";
    case Kind::BrandList: return "ComboBox";
    case Kind::Picture: return "VellumarkPictureBox";
    }
    return "";
}

struct Control {
    const char* name;  // the control's own name in the window
    int id;
    Kind kind;
    int parentId;  // 0: the window itself
    int x, y, width, height;
    const char* text;  // nullptr: not checked (edit boxes, the list)
};

inline constexpr char kMainCaption[] = "电脑修改Vellumark Tarnhollow(www.tarnhollow.com)V 1.0";

// MainWindow, in the window's list order. The brand list's height is that of
// its dropped list, checked on its own.
inline constexpr Control kMainWindow[] = {
    {"标签6", kIdBrandLabel, Kind::Label, 0, 10, 291, 80, 22, "选择预置品牌："},
    {"组合框1", kIdBrandList, Kind::BrandList, 0, 94, 293, 80, 22, nullptr},
    {"标签7", kIdLogoPathLabel, Kind::Label, 0, 183, 292, 90, 22, "自定义OEM LOGO："},
    {"编辑框6", kIdLogoPathEdit, Kind::Edit, 0, 278, 292, 156, 22, nullptr},
    {"按钮1", kIdLogoBrowseButton, Kind::Button, 0, 450, 285, 80, 32, "浏 览..."},
    {"按钮3", kIdPreviewButton, Kind::Button, 0, 450, 332, 80, 32, "预 览"},
    {"按钮2", kIdBackgroundBrowseButton, Kind::Button, 0, 353, 332, 80, 32, "浏 览..."},
    {"编辑框7", kIdBackgroundPathEdit, Kind::Edit, 0, 103, 336, 235, 22, nullptr},
    {"标签8", kIdBackgroundLabel, Kind::Label, 0, 8, 337, 90, 22, "自定义登录背景："},
    {"按钮4", kIdAboutButton, Kind::Button, 0, 8, 380, 80, 32, "关于"},
    {"按钮5", kIdRestoreButton, Kind::Button, 0, 258, 380, 80, 32, "恢复默认"},
    {"按钮6", kIdApplyButton, Kind::Button, 0, 353, 380, 80, 32, "确 认"},
    {"按钮7", kIdExitButton, Kind::Button, 0, 450, 380, 80, 32, "退 出"},
    {"分组框2", kIdOemGroup, Kind::GroupBox, 0, 185, 110, 350, 160, "OEM信息设置"},
    {"编辑框5", kIdSupportUrlEdit, Kind::Edit, kIdOemGroup, 75, 130, 260, 22, nullptr},
    {"编辑框4", kIdSupportHoursEdit, Kind::Edit, kIdOemGroup, 75, 101, 260, 22, nullptr},
    {"标签5", kIdSupportUrlLabel, Kind::Label, kIdOemGroup, 15, 130, 60, 22, "网站支持："},
    {"标签4", kIdSupportHoursLabel, Kind::Label, kIdOemGroup, 15, 101, 60, 22, "时间："},
    {"编辑框3", kIdSupportPhoneEdit, Kind::Edit, kIdOemGroup, 75, 74, 260, 22, nullptr},
    {"标签3", kIdSupportPhoneLabel, Kind::Label, kIdOemGroup, 15, 74, 60, 22, "技术热线："},
    {"编辑框2", kIdModelEdit, Kind::Edit, kIdOemGroup, 75, 47, 260, 22, nullptr},
    {"标签2", kIdModelLabel, Kind::Label, kIdOemGroup, 15, 47, 60, 22, "型号："},
    {"编辑框1", kIdManufacturerEdit, Kind::Edit, kIdOemGroup, 75, 20, 260, 22, nullptr},
    {"标签1", kIdManufacturerLabel, Kind::Label, kIdOemGroup, 15, 20, 60, 22, "制造商："},
    {"分组框1", kIdLogoGroup, Kind::GroupBox, 0, 10, 110, 160, 160, "OEM LOGO预览"},
    {"图片框2", kIdLogoPicture, Kind::Picture, kIdLogoGroup, 20, 22, 120, 120, ""},
    {"图片框1", kIdBanner, Kind::Picture, 0, 0, 0, 550, 100, ""},
};

// Where Tab takes the focus from 编辑框1 on, wrapping back to it.
inline constexpr int kMainTabOrder[] = {
    kIdManufacturerEdit,        // 编辑框1
    kIdModelEdit,               // 编辑框2
    kIdSupportPhoneEdit,        // 编辑框3
    kIdSupportHoursEdit,        // 编辑框4
    kIdSupportUrlEdit,          // 编辑框5
    kIdExitButton,              // 按钮7
    kIdApplyButton,             // 按钮6
    kIdRestoreButton,           // 按钮5
    kIdAboutButton,             // 按钮4
    kIdBackgroundPathEdit,      // 编辑框7
    kIdBackgroundBrowseButton,  // 按钮2
    kIdPreviewButton,           // 按钮3
    kIdLogoBrowseButton,        // 按钮1
    kIdLogoPathEdit,            // 编辑框6
    kIdBrandList,               // 组合框1
};

inline constexpr char kAboutCaption[] = "关于";
inline constexpr char kAboutProductLine[] = "电脑修改Vellumark Tarnhollow www.tarnhollow.com V 1.0";
// The notes as the user reads them, line by line, CR LF between the lines.
inline constexpr char kAboutNotes[] =
    "1.本软件使用一些杀毒软件，可能会有误报。\r\n"
    "\r\n"
    "2.恢复默认功能只是恢复成原版系统的信息，并不会恢复成你初次使用本软件以前的\r\n"
    "信息。\r\n"
    "\r\n"
    "3.自定义背景图片最好选用宽高为4:3的图片，当然其他比例也行，只是图片可能会\r\n"
    "有一些变形。\r\n"
    "\r\n";
static_assert(sizeof kAboutNotes - 1 == 221, "the notes are 221 bytes in code page 936");

// AboutWindow, in the window's list order.
inline constexpr Control kAboutWindow[] = {
    {"标签2", kIdAboutNotesLabel, Kind::Label, kIdAboutNotesGroup, 15, 24, 360, 128, kAboutNotes},
    {"标签1", kIdAboutProductLabel, Kind::Label, kIdAboutInfoGroup, 15, 15, 351, 40,
     kAboutProductLine},
    {"分组框2", kIdAboutNotesGroup, Kind::GroupBox, 0, 10, 85, 380, 160, "使用须知："},
    {"分组框1", kIdAboutInfoGroup, Kind::GroupBox, 0, 10, 10, 380, 60, "信息："},
};

}  // namespace expected
