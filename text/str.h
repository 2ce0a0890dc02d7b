// The system's one string value and, through the headers included at the
// end, the text and path functions built on it.
//
// A Str owns at most one heap buffer holding a NUL-terminated byte string; a
// value without a buffer is the empty text. No length or capacity is stored:
// the length is counted afresh, so a holder may shorten the text by writing a
// NUL through c_str(), or fill a buffer given by reserve() from outside.
// When the heap is exhausted the program ends with a message on stderr.
#ifndef TEXT_STR_H
#define TEXT_STR_H

// The count of bytes before the first NUL; 0 for a null pointer.
unsigned SafeLength(const char* text);

class Str {
public:
    Str() : buffer(nullptr) {}
    Str(const char* text) : buffer(nullptr) { assign(text); }
    Str(const Str& other) : buffer(nullptr) { assign(other.buffer); }
    ~Str();

    // The buffer itself: null for an empty value (unless just reserved).
    char* c_str() const { return buffer; }

    // Replaces the text by a copy of text, which may point into this value.
    Str& assign(const char* text);
    // The one-byte text c; a NUL c empties the value.
    Str& assign(char c);
    Str& operator=(Str other) { return assign(other.buffer); }

    // This text followed by text; this value is left as it is.
    Str operator+(const char* text) const;
    // Appends text, which may be this value's own text.
    Str& append(const char* text);
    // Appends the byte c; a NUL c appends nothing.
    Str& append(char c);

    // Byte-wise, case-sensitive; null and "" equal any empty value.
    bool operator==(const char* text) const;
    bool operator!=(const char* text) const { return !(*this == text); }

    unsigned length() const { return SafeLength(buffer); }

    // Drops the text; for n > 0 gives a fresh buffer of n + 1 bytes holding "".
    // Returns whether there is a buffer.
    bool reserve(unsigned n);

private:
    friend Str AdoptBytes(char* block);
    char* buffer;
};

#include "text/slice.h"
#include "text/trim.h"
#include "text/search.h"
#include "text/transform.h"
#include "text/path.h"
#include "text/resolve_path.h"
#include "text/full_path.h"
#include "text/number.h"

#endif
