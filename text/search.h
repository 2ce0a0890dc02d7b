// Searching a text. Results are byte indexes from the start of the text, or
// -1 when there is no match. A null text or pattern is the empty text.
#ifndef TEXT_SEARCH_H
#define TEXT_SEARCH_H

#include "text/str.h"

// The first occurrence of pattern; "" is found at 0.
//     Find("package", "age") -> 4
int Find(const char* text, const char* pattern);

// The first occurrence at or after start; -1 for a start beyond the end.
//     FindFrom(1, "...", ".") -> 1
int FindFrom(unsigned start, const char* text, const char* pattern);

// The first occurrence of the byte c; a NUL c is found at 0.
int FindChar(const char* text, char c);

#endif
