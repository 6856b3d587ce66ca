#pragma once
// What a successful apply must add so that the user is not told of an effect
// that the running Windows will not show.
#include "platform/system_services.h"

// Empty on Windows 7 and earlier, where everything written shows as it is.
// On Windows 8 and later: the logon background is not used, the values show
// in Settings without the logo, and any policy set that hides them.
Text completionNote(SystemServices& system);
