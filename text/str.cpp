#include "text/str.h"

#include <stdlib.h>
#include <string.h>

#include "text/heap.h"

unsigned SafeLength(const char* text)
{
    return text ? CheckedSize(strlen(text)) : 0;
}

Str::~Str()
{
    free(buffer);
}

Str& Str::assign(const char* text)
{
    if (text == buffer)
        return *this;
    unsigned count = SafeLength(text);
    char* copy = nullptr;
    if (count > 0) {
        copy = NewBytes(count + 1ull);
        memcpy(copy, text, count + 1);
    }
    // Released last: text may point into the old buffer.
    free(buffer);
    buffer = copy;
    return *this;
}

Str& Str::assign(char c)
{
    const char text[2] = {c, '\0'};
    return assign(text);
}

Str Str::operator+(const char* text) const
{
    unsigned ours = length();
    unsigned theirs = SafeLength(text);
    Str result;
    if (result.reserve(CheckedSize((unsigned long long)ours + theirs))) {
        if (ours > 0)
            memcpy(result.buffer, buffer, ours);
        if (theirs > 0)
            memcpy(result.buffer + ours, text, theirs);
        result.buffer[ours + theirs] = '\0';
    }
    return result;
}

Str& Str::append(const char* text)
{
    unsigned ours = length();
    unsigned theirs = SafeLength(text);
    if (ours + (unsigned long long)theirs == 0)
        return *this;
    char* joined = NewBytes(ours + (unsigned long long)theirs + 1);
    if (ours > 0)
        memcpy(joined, buffer, ours);
    if (theirs > 0)
        memcpy(joined + ours, text, theirs);
    joined[ours + theirs] = '\0';
    // Released last: text may be this value's own text.
    free(buffer);
    buffer = joined;
    return *this;
}

Str& Str::append(char c)
{
    const char text[2] = {c, '\0'};
    return append(text);
}

bool Str::operator==(const char* text) const
{
    if (!text || !*text)
        return !buffer || !*buffer;
    if (length() == 0)
        return false;
    return strcmp(buffer, text) == 0;
}

bool Str::reserve(unsigned n)
{
    free(buffer);
    buffer = nullptr;
    if (n == 0)
        return false;
    buffer = NewBytes(n + 1ull);
    buffer[0] = '\0';
    return true;
}
