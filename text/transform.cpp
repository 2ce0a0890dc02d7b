#include "text/transform.h"

#include <string.h>

#include "text/heap.h"

Str Reverse(const char* text)
{
    unsigned length = SafeLength(text);
    Str result;
    if (result.reserve(length)) {
        for (unsigned i = 0; i < length; i++)
            result.c_str()[i] = text[length - 1 - i];
        result.c_str()[length] = '\0';
    }
    return result;
}

// How many times pattern occurs in text, without overlaps.
static unsigned CountMatches(const char* text, const char* pattern, unsigned patternLength)
{
    unsigned count = 0;
    for (const char* at = strstr(text, pattern); at; at = strstr(at + patternLength, pattern))
        count++;
    return count;
}

Str ReplaceAll(const char* text, const char* pattern, const char* replacement)
{
    unsigned textLength = SafeLength(text);
    unsigned patternLength = SafeLength(pattern);
    if (textLength < patternLength)
        return Str(text);
    if (textLength == patternLength && (textLength == 0 || strcmp(text, pattern) == 0))
        return Str(replacement);
    if (patternLength == 0)
        return Str(text);

    // Sized once, then filled: building it byte by byte would be quadratic.
    unsigned replacementLength = SafeLength(replacement);
    unsigned matches = CountMatches(text, pattern, patternLength);
    Str result;
    if (!result.reserve(CheckedSize(textLength - (unsigned long long)matches * patternLength
                                    + (unsigned long long)matches * replacementLength)))
        return result;
    char* out = result.c_str();
    const char* rest = text;
    for (const char* at = strstr(rest, pattern); at; at = strstr(rest, pattern)) {
        memcpy(out, rest, at - rest);
        out += at - rest;
        if (replacementLength > 0)
            memcpy(out, replacement, replacementLength);
        out += replacementLength;
        rest = at + patternLength;
    }
    strcpy(out, rest);
    return result;
}

Str Repeat(const char* text, unsigned n)
{
    unsigned length = SafeLength(text);
    Str result;
    if (result.reserve(CheckedSize((unsigned long long)length * n))) {
        for (unsigned i = 0; i < n; i++)
            memcpy(result.c_str() + (unsigned long long)i * length, text, length);
        result.c_str()[(unsigned long long)length * n] = '\0';
    }
    return result;
}
