#pragma once
// The program's version, for the resource script's version block. Plain
// macros only: windres reads this file too.
#define VELLUMARK_VERSION_MAJOR 1
#define VELLUMARK_VERSION_MINOR 0
#define VELLUMARK_VERSION_PATCH 0
#define VELLUMARK_VERSION_BUILD 0
#define VELLUMARK_VERSION_TEXT "1.0.0.0"
