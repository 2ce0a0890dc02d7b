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

// A new buffer holding first and then second, or null when both are empty.
static char* Joined(const char* first, unsigned firstLength, const char* second,
                    unsigned secondLength)
{
    unsigned long long length = firstLength + (unsigned long long)secondLength;
    if (length == 0)
        return nullptr;
    char* joined = NewBytes(length + 1);
    if (firstLength > 0)
        memcpy(joined, first, firstLength);
    if (secondLength > 0)
        memcpy(joined + firstLength, second, secondLength);
    joined[length] = '\0';
    return joined;
}

Str& Str::assign(const char* text)
{
    if (text == buffer)
        return *this;
    char* copy = Joined(nullptr, 0, text, SafeLength(text));
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
    Str result;
    result.buffer = Joined(buffer, length(), text, SafeLength(text));
    return result;
}

Str& Str::append(const char* text)
{
    char* joined = Joined(buffer, length(), text, SafeLength(text));
    // Appending nothing keeps the buffer, even a freshly reserved one.
    if (!joined)
        return *this;
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

Str AdoptBytes(char* block)
{
    Str adopted;
    if (block && *block)
        adopted.buffer = block;
    else
        free(block);
    return adopted;
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
