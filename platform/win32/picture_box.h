#pragma once
// A picture box: a child window that keeps the picture bytes given to it,
// shows them decoded on its background colour, and reports left-button
// presses to its parent. No border; it takes no focus.
#include <windows.h>

#include "platform/bytes.h"

enum class PictureMode {
    ActualSizeTopLeft,  // own size at the top-left corner, cut off at the edges
    StretchToBox,       // scaled to the box's whole client area
};

// Sent to the parent when the left button goes down over the box, before the
// press gets its default processing. LOWORD(wParam) holds the modifier keys
// (kPictureBoxKey* flags), HIWORD(wParam) the box's control ID, lParam the
// point in box client coordinates as WM_LBUTTONDOWN has it.
constexpr UINT kPictureBoxMousePressed = WM_APP + 0x300;
constexpr WORD kPictureBoxKeyCtrl = 1;
constexpr WORD kPictureBoxKeyShift = 2;
constexpr WORD kPictureBoxKeyAlt = 4;

bool registerPictureBoxClass(HINSTANCE instance);
HWND createPictureBox(HWND parent, int id, int x, int y, int width, int height, COLORREF background,
                      PictureMode mode);

// Stores the bytes as given and decodes them once; bytes that do not decode
// show only the background.
void setPictureBoxBytes(HWND box, Bytes bytes);
// Exactly the bytes last set, or empty bytes.
const Bytes& pictureBoxBytes(HWND box);
