#include "profile/preset_handlers.h"

#include "profile/brand_presets.h"

void applySelectedPreset(OemProfile& profile) {
    const BrandPreset* preset = brandPreset(profile.selectedBrandIndex());
    if (!preset) return;
    profile.setText(ProfileField::Manufacturer, preset->manufacturer);
    profile.setText(ProfileField::Model, preset->model);
    profile.setText(ProfileField::SupportPhone, preset->supportPhone);
    profile.setText(ProfileField::SupportHours, preset->supportHours);
    profile.setText(ProfileField::SupportUrl, preset->supportUrl);
    profile.setLogoBytes(Bytes(preset->logo, preset->logo + preset->logoSize));
}
