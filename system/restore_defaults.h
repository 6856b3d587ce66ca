#pragma once
#include "platform/system_services.h"
#include "platform/user_services.h"

// Switches the custom logon background off and empties the OEM values;
// touches no file and no field of the window.
void restoreDefaults(SystemServices& system, UserServices& user);
