#pragma once
// Standard controls that we paint ourselves keep their system class (a
// screen reader and the system treat them as what they are); only their
// window procedure is replaced, the original kept in a property of the window.
#include <windows.h>

// Puts `procedure` in front of the control's own; false when it could not.
bool subclassControl(HWND control, const char* propertyName, WNDPROC procedure);
// Passes the message on to the control's own procedure; at WM_NCDESTROY it
// also puts that procedure back and drops the property.
LRESULT callOriginalProcedure(const char* propertyName, HWND control, UINT message, WPARAM wParam,
                              LPARAM lParam);
