#pragma once
#include <cstdint>

#include "platform/system_services.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

// Both limits are strict: 175 x 119 is the largest logo accepted.
constexpr int kMaxLogoWidth = 175;
constexpr int kMaxLogoHeight = 119;
// Far more than a 175 x 119 picture needs in any format; a longer file is
// refused by its length, unread.
constexpr std::uint64_t kMaxLogoFileBytes = 16u * 1024 * 1024;

// Lets the user pick a logo picture; a small enough one becomes the logo
// path and the logo's bytes, unchanged, from one read. A file that cannot be
// read is refused with a message, as a large one is.
void chooseLogo(OemProfile& profile, SystemServices& system, UserServices& user);
