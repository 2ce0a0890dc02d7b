// New texts made from whole texts: reversed, replaced, repeated.
#ifndef TEXT_TRANSFORM_H
#define TEXT_TRANSFORM_H

#include "text/str.h"

// The bytes in reverse order.     Reverse("abc") -> "cba"
Str Reverse(const char* text);

// Every non-overlapping occurrence of pattern, from left to right, replaced;
// the replacement itself is never searched. An empty pattern replaces
// nothing, except that it matches an empty text as a whole.
//     ReplaceAll("C:\\a\\b", "\\", "/") -> "C:/a/b"
//     ReplaceAll("...", "..", "x")      -> "x."
Str ReplaceAll(const char* text, const char* pattern, const char* replacement);

// text n times over.              Repeat("..\\", 2) -> "..\\..\\"
Str Repeat(const char* text, unsigned n);

#endif
