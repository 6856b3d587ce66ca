#pragma once
#include "platform/system_services.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

// Writes the profile into the system in one pass and says how it went.
void applyOemSettings(const OemProfile& profile, SystemServices& system, UserServices& user);
