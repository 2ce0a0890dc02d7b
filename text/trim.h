// Trimming blanks. The only blank is the byte 0x20: tabs and line ends stay.
#ifndef TEXT_TRIM_H
#define TEXT_TRIM_H

#include "text/str.h"

// The text without its leading blanks.     TrimLeft("  a  ") -> "a  "
Str TrimLeft(const char* text);

// The text without its trailing blanks.    TrimRight("  a  ") -> "  a"
Str TrimRight(const char* text);

// The text without blanks at either end.   Trim("  a b  ") -> "a b"
Str Trim(const char* text);

#endif
