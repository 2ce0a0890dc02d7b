#include "text/search.h"

#include <string.h>

int Find(const char* text, const char* pattern)
{
    if (!pattern || !*pattern)
        return 0;
    if (!text)
        return -1;
    unsigned patternLength = SafeLength(pattern);
    // Stops at the first match, so a walk over every match reads the text once.
    for (const char* at = text; (at = strchr(at, pattern[0])) != nullptr; at++) {
        if (strncmp(at, pattern, patternLength) == 0)
            return (int)(at - text);
    }
    return -1;
}

// Whether text holds at least count bytes, reading no further than that.
static bool HasBytes(const char* text, unsigned count)
{
    unsigned seen = 0;
    while (seen < count && text && text[seen] != '\0')
        seen++;
    return seen == count;
}

int FindFrom(unsigned start, const char* text, const char* pattern)
{
    if (!HasBytes(text, start))
        return -1;
    int found = Find(text ? text + start : nullptr, pattern);
    return found < 0 ? -1 : found + (int)start;
}

int FindChar(const char* text, char c)
{
    const char pattern[2] = {c, '\0'};
    return Find(text, pattern);
}
