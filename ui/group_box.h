#pragma once
// A group box that is also the parent of the controls placed in it.
#include <windows.h>

HWND createGroupBox(HWND parent, int id, const char* title, int x, int y, int width, int height);
