#pragma once
// MainWindow's controls in the window's list order (the order matters for
// Tab), with their parents, places and texts.
#include "ui/control_ids.h"

enum class ControlKind { Label, Edit, Button, GroupBox, BrandList, LogoPicture, Banner };

struct ControlLayout {
    int id;
    ControlKind kind;
    int parentId;  // 0: the window itself
    int x, y, width, height;
    const char* text;
};

inline constexpr ControlLayout kMainWindowLayout[] = {
    {kIdBrandLabel, ControlKind::Label, 0, 10, 291, 80, 22, "选择预置品牌："},
    {kIdBrandList, ControlKind::BrandList, 0, 94, 293, 80, 22, ""},
    {kIdLogoPathLabel, ControlKind::Label, 0, 183, 292, 90, 22, "自定义OEM LOGO："},
    {kIdLogoPathEdit, ControlKind::Edit, 0, 278, 292, 156, 22, ""},
    {kIdLogoBrowseButton, ControlKind::Button, 0, 450, 285, 80, 32, "浏 览..."},
    {kIdPreviewButton, ControlKind::Button, 0, 450, 332, 80, 32, "预 览"},
    {kIdBackgroundBrowseButton, ControlKind::Button, 0, 353, 332, 80, 32, "浏 览..."},
    {kIdBackgroundPathEdit, ControlKind::Edit, 0, 103, 336, 235, 22, ""},
    {kIdBackgroundLabel, ControlKind::Label, 0, 8, 337, 90, 22, "自定义登录背景："},
    {kIdAboutButton, ControlKind::Button, 0, 8, 380, 80, 32, "关于"},
    {kIdRestoreButton, ControlKind::Button, 0, 258, 380, 80, 32, "恢复默认"},
    {kIdApplyButton, ControlKind::Button, 0, 353, 380, 80, 32, "确 认"},
    {kIdExitButton, ControlKind::Button, 0, 450, 380, 80, 32, "退 出"},
    {kIdOemGroup, ControlKind::GroupBox, 0, 185, 110, 350, 160, "OEM信息设置"},
    {kIdSupportUrlEdit, ControlKind::Edit, kIdOemGroup, 75, 130, 260, 22, ""},
    {kIdSupportHoursEdit, ControlKind::Edit, kIdOemGroup, 75, 101, 260, 22, ""},
    {kIdSupportUrlLabel, ControlKind::Label, kIdOemGroup, 15, 130, 60, 22, "网站支持："},
    {kIdSupportHoursLabel, ControlKind::Label, kIdOemGroup, 15, 101, 60, 22, "时间："},
    {kIdSupportPhoneEdit, ControlKind::Edit, kIdOemGroup, 75, 74, 260, 22, ""},
    {kIdSupportPhoneLabel, ControlKind::Label, kIdOemGroup, 15, 74, 60, 22, "技术热线："},
    {kIdModelEdit, ControlKind::Edit, kIdOemGroup, 75, 47, 260, 22, ""},
    {kIdModelLabel, ControlKind::Label, kIdOemGroup, 15, 47, 60, 22, "型号："},
    {kIdManufacturerEdit, ControlKind::Edit, kIdOemGroup, 75, 20, 260, 22, ""},
    {kIdManufacturerLabel, ControlKind::Label, kIdOemGroup, 15, 20, 60, 22, "制造商："},
    {kIdLogoGroup, ControlKind::GroupBox, 0, 10, 110, 160, 160, "OEM LOGO预览"},
    {kIdLogoPicture, ControlKind::LogoPicture, kIdLogoGroup, 20, 22, 120, 120, ""},
    {kIdBanner, ControlKind::Banner, 0, 0, 0, 550, 100, ""},
};

// Each field with its label. A screen reader names a field after the static
// text just before it in the z-order, so each label is placed there.
struct FieldLabel {
    int fieldId;
    int labelId;
};

inline constexpr FieldLabel kMainWindowFieldLabels[] = {
    {kIdManufacturerEdit, kIdManufacturerLabel}, {kIdModelEdit, kIdModelLabel},
    {kIdSupportPhoneEdit, kIdSupportPhoneLabel}, {kIdSupportHoursEdit, kIdSupportHoursLabel},
    {kIdSupportUrlEdit, kIdSupportUrlLabel},     {kIdLogoPathEdit, kIdLogoPathLabel},
    {kIdBackgroundPathEdit, kIdBackgroundLabel}, {kIdBrandList, kIdBrandLabel},
};

// The controls that take focus by Tab, in the reverse of the list order.
inline constexpr int kMainWindowTabOrder[] = {
    kIdManufacturerEdit,
    kIdModelEdit,
    kIdSupportPhoneEdit,
    kIdSupportHoursEdit,
    kIdSupportUrlEdit,
    kIdExitButton,
    kIdApplyButton,
    kIdRestoreButton,
    kIdAboutButton,
    kIdBackgroundPathEdit,
    kIdBackgroundBrowseButton,
    kIdPreviewButton,
    kIdLogoBrowseButton,
    kIdLogoPathEdit,
    kIdBrandList,
};
