#pragma once
#include <cstdint>

#include "platform/system_services.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

constexpr std::uint64_t kMaxBackgroundBytes = 250000;

// Lets the user pick a logon background; a short enough file becomes the
// background path. Its content is never looked at.
void chooseBackground(OemProfile& profile, SystemServices& system, UserServices& user);
