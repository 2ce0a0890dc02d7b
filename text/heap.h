// Heap blocks for the text library. Exhaustion of the heap, or a size that
// does not fit an unsigned count, ends the program with a one-line message:
// no caller could go on with a text that was never made.
#ifndef TEXT_HEAP_H
#define TEXT_HEAP_H

// A block of size bytes (size > 0), never null.
char* NewBytes(unsigned long long size);

// The block moved to one of size bytes (size > 0), its bytes kept; never null.
char* ResizeBytes(char* block, unsigned long long size);

// A value that takes over block, from NewBytes or ResizeBytes, as its buffer;
// a null block or one holding "" gives the empty value (and is released).
class Str;
Str AdoptBytes(char* block);

// The size as an unsigned count; ends the program when it does not fit.
unsigned CheckedSize(unsigned long long size);

#endif
