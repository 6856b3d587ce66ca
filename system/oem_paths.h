#pragma once
// Where an apply writes: the oobe\info folder of the system's own Windows
// folder, and the registry values the System page and the logon screen read.
#include "platform/text.h"

struct OemPaths {
    Text infoFolder;         // ...\System32\oobe\info
    Text backgroundsFolder;  // ...\System32\oobe\info\Backgrounds
    Text logoFile;           // ...\oemlogo.bmp, also the Logo value's text
    Text backgroundFile;     // ...\Backgrounds\BackgroundDefault.jpg
};

// The literal "C:\Windows" paths when Windows lives there (in any case);
// the same paths under the real folder when it lives elsewhere.
OemPaths oemPathsFor(const Text& windowsDirectory);

#define VELLUMARK_OEM_KEY "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation\\"
inline constexpr const char kManufacturerValue[] = VELLUMARK_OEM_KEY "Manufacturer";
inline constexpr const char kModelValue[] = VELLUMARK_OEM_KEY "Model";
inline constexpr const char kSupportHoursValue[] = VELLUMARK_OEM_KEY "SupportHours";
inline constexpr const char kSupportPhoneValue[] = VELLUMARK_OEM_KEY "SupportPhone";
inline constexpr const char kSupportUrlValue[] = VELLUMARK_OEM_KEY "SupportURL";
inline constexpr const char kLogoValue[] = VELLUMARK_OEM_KEY "Logo";
inline constexpr const char kOemBackgroundValue[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Authentication\\LogonUI\\Background\\"
    "OEMBackground";

// Policies that hide what an apply writes; read, never changed.
inline constexpr const char kHelpCustomizedValue[] = VELLUMARK_OEM_KEY "HelpCustomized";
#undef VELLUMARK_OEM_KEY
inline constexpr const char kDisableLogonBackgroundImageValue[] =
    "SOFTWARE\\Policies\\Microsoft\\Windows\\System\\DisableLogonBackgroundImage";
