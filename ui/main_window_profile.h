#pragma once
// The OEM profile as the controls of the open MainWindow hold it. With no
// MainWindow open, reads are empty and writes go nowhere.
#include <functional>

#include "profile/oem_profile.h"

class MainWindow;

class MainWindowProfile final : public OemProfile {
public:
    explicit MainWindowProfile(std::function<MainWindow*()> currentWindow)
        : currentWindow_(std::move(currentWindow)) {}

    Text text(ProfileField field) const override;
    void setText(ProfileField field, const Text& text) override;
    const Bytes& logoBytes() const override;
    void setLogoBytes(Bytes bytes) override;
    int selectedBrandIndex() const override;

private:
    std::function<MainWindow*()> currentWindow_;
};
