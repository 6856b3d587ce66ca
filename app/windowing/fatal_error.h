#pragma once
// The orderly stop after a fatal failure of the windowing environment: an
// error box, then exit status -1, without the exit routine.
[[noreturn]] void stopOnFatalError(const char* text);
constexpr int kFatalExitStatus = -1;
