// Making a Str from a run of bytes, for the text functions.
#ifndef TEXT_BYTES_H
#define TEXT_BYTES_H

#include "text/str.h"

// The count bytes from start as a new value; empty, without a buffer, for 0.
Str BytesOf(const char* start, unsigned count);

#endif
