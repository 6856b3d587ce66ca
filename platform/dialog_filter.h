#pragma once
// The open-file dialog's filter: label and pattern pairs joined by "|", as
// the dialog control takes it.
#include "platform/text.h"

// The NUL-separated, double-NUL-terminated list GetOpenFileNameA takes:
// trailing blanks cut, "||" appended unless present, each "|" made a NUL.
Text toDialogFilterList(const Text& filter);
