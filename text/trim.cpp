#include "text/trim.h"

#include "text/bytes.h"

Str TrimLeft(const char* text)
{
    unsigned start = 0;
    unsigned length = SafeLength(text);
    while (start < length && text[start] == ' ')
        start++;
    return BytesOf(text + start, length - start);
}

Str TrimRight(const char* text)
{
    unsigned end = SafeLength(text);
    while (end > 0 && text[end - 1] == ' ')
        end--;
    return BytesOf(text, end);
}

Str Trim(const char* text)
{
    return TrimLeft(TrimRight(text).c_str());
}
