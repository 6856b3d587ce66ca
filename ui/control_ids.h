#pragma once
// Control IDs of the program's windows, shared by the program and its tests.
// Each window has its own block; the names are the layouts' own.

// Window class names, so tests can find the windows.
#define VELLUMARK_MAIN_WINDOW_CLASS "VellumarkMainWindow"
#define VELLUMARK_ABOUT_WINDOW_CLASS "VellumarkAboutWindow"
#define VELLUMARK_PREVIEW_WINDOW_CLASS "VellumarkPreviewWindow"

// MainWindow
enum MainWindowControlId : int {
    kIdBanner = 1000,                  // 图片框1
    kIdLogoGroup = 1001,               // 分组框1
    kIdLogoPicture = 1002,             // 图片框2
    kIdOemGroup = 1003,                // 分组框2
    kIdManufacturerLabel = 1011,       // 标签1
    kIdModelLabel = 1012,              // 标签2
    kIdSupportPhoneLabel = 1013,       // 标签3
    kIdSupportHoursLabel = 1014,       // 标签4
    kIdSupportUrlLabel = 1015,         // 标签5
    kIdBrandLabel = 1016,              // 标签6
    kIdLogoPathLabel = 1017,           // 标签7
    kIdBackgroundLabel = 1018,         // 标签8
    kIdManufacturerEdit = 1021,        // 编辑框1
    kIdModelEdit = 1022,               // 编辑框2
    kIdSupportPhoneEdit = 1023,        // 编辑框3
    kIdSupportHoursEdit = 1024,        // 编辑框4
    kIdSupportUrlEdit = 1025,          // 编辑框5
    kIdLogoPathEdit = 1026,            // 编辑框6
    kIdBackgroundPathEdit = 1027,      // 编辑框7
    kIdLogoBrowseButton = 1031,        // 按钮1 "浏 览..."
    kIdBackgroundBrowseButton = 1032,  // 按钮2 "浏 览..."
    kIdPreviewButton = 1033,           // 按钮3 "预 览"
    kIdAboutButton = 1034,             // 按钮4 "关于"
    kIdRestoreButton = 1035,           // 按钮5 "恢复默认"
    kIdApplyButton = 1036,             // 按钮6 "确 认"
    kIdExitButton = 1037,              // 按钮7 "退 出"
    kIdBrandList = 1041,               // 组合框1
};

// AboutWindow
enum AboutWindowControlId : int {
    kIdAboutInfoGroup = 2001,     // 分组框1 "信息："
    kIdAboutNotesGroup = 2002,    // 分组框2 "使用须知："
    kIdAboutProductLabel = 2011,  // 标签1
    kIdAboutNotesLabel = 2012,    // 标签2
};

// PreviewWindow
enum PreviewWindowControlId : int {
    kIdPreviewTimer = 3001,    // 时钟1
    kIdPreviewPicture = 3002,  // the picture box that fills the window
};
