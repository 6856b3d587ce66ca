#pragma once
// A label: a real STATIC control, so a screen reader names the field that
// follows it by its text, painted by us as black text on the face colour,
// left aligned.
#include <windows.h>

enum class LabelLines {
    One,      // one line, vertically centred, cut at the label's width
    Wrapped,  // from the top-left corner, words wrapped at the label's width
};

HWND createLabel(HWND parent, int id, const char* text, int x, int y, int width, int height,
                 LabelLines lines = LabelLines::One);
