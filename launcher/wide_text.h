// Text for the system's UTF-16 calls and back, and the system's words for
// an error: what the Windows files of the platform share.
#ifndef LAUNCHER_WIDE_TEXT_H
#define LAUNCHER_WIDE_TEXT_H

#include "text/str.h"

// The text in UTF-16, from the process's code page: a new block (free it),
// or null when the text cannot be converted.
wchar_t* WideOf(const char* text);

// The UTF-16 text in the code page, each character the code page lacks as
// "?"; empty when it cannot be converted.
Str TextIn(const wchar_t* text, unsigned codePage);

// The system's own words for the error, without the line end and period,
// its "%1" the name the error is about.
//     SystemMessage(5, "C:\\x") -> "Access is denied"
Str SystemMessage(unsigned long error, const char* name);

#endif
