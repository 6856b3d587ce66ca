#pragma once
// A self-painted label: black text on the face colour, left aligned.
#include <windows.h>

// Style bit of our own: wrap words at the label's width instead of drawing
// one vertically centred line.
constexpr DWORD kLabelWordWrap = 0x0001;

bool registerLabelClass(HINSTANCE instance);
HWND createLabel(HWND parent, int id, const char* text, int x, int y, int width, int height,
                 DWORD labelStyle = 0);
