// Slices of a text. A count of 0, or one beyond what is there, means all.
#ifndef TEXT_SLICE_H
#define TEXT_SLICE_H

#include "text/str.h"

// The first n bytes.      Left("package", 3) -> "pac"
Str Left(const char* text, unsigned n);

// The last n bytes.       Right("package", 3) -> "age"
Str Right(const char* text, unsigned n);

// count bytes from start; empty when start lies at or beyond the end.
//                         Mid("package", 2, 3) -> "cka"
Str Mid(const char* text, unsigned start, unsigned count);

#endif
