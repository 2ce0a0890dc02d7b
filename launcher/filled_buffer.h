// Calling a system function that fills a buffer of a size it is given, in a
// buffer sized by its own answer (GetShortPathNameA, GetCurrentDirectoryA).
#ifndef LAUNCHER_FILLED_BUFFER_H
#define LAUNCHER_FILLED_BUFFER_H

#include "text/str.h"

// Such a call: asked with too small a buffer, it returns the size it needs,
// NUL included; once the text fits, its length without the NUL; 0 on failure.
typedef unsigned long (*FillCall)(const char* argument, char* buffer, unsigned long size);

// What the call gives for argument, asked again while its answer grows (a
// current directory may change between two calls); empty on failure.
//     Filled(CurrentDirectoryCall, nullptr) -> "C:\\work"
Str Filled(FillCall call, const char* argument);

#endif
