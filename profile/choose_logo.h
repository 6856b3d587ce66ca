#pragma once
#include "platform/system_services.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

// Both limits are strict: 175 x 119 is the largest logo accepted.
constexpr int kMaxLogoWidth = 175;
constexpr int kMaxLogoHeight = 119;

// Lets the user pick a logo picture; a small enough one becomes the logo
// path and the logo's bytes, unchanged.
void chooseLogo(OemProfile& profile, SystemServices& system, UserServices& user);
