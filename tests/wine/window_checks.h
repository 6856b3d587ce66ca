#pragma once
// Checks a running window's control against the value written out for it.
#include <windows.h>

#include "tests/wine/expected_windows.h"

// The control exists under `root` with its class, parent, place, size and
// text; a GoogleTest failure names the control otherwise.
void expectControlAsWritten(HWND root, const expected::Control& control);
