#pragma once
#include "profile/oem_profile.h"

// Fills the five text fields and the logo from the chosen brand's preset;
// changes nothing when no brand is chosen.
void applySelectedPreset(OemProfile& profile);
