#pragma once
// The OEM values held by the controls of MainWindow. Reading gives the
// control's content at that moment; writing shows at once.
#include "platform/bytes.h"
#include "platform/text.h"

enum class ProfileField {
    Manufacturer,    // 编辑框1
    Model,           // 编辑框2
    SupportPhone,    // 编辑框3
    SupportHours,    // 编辑框4
    SupportUrl,      // 编辑框5
    LogoPath,        // 编辑框6
    BackgroundPath,  // 编辑框7
};

class OemProfile {
public:
    virtual ~OemProfile() = default;

    virtual Text text(ProfileField field) const = 0;
    virtual void setText(ProfileField field, const Text& text) = 0;
    // The picture bytes of 图片框2, exactly as last written. Held once, never
    // copied on the way: a logo file may be large.
    virtual const Bytes& logoBytes() const = 0;
    virtual void setLogoBytes(Bytes bytes) = 0;
    // The chosen item of 组合框1, -1 when none.
    virtual int selectedBrandIndex() const = 0;
};
