#include "text/slice.h"

#include "text/bytes.h"

Str Left(const char* text, unsigned n)
{
    unsigned length = SafeLength(text);
    if (n == 0 || n > length)
        n = length;
    return BytesOf(text, n);
}

Str Right(const char* text, unsigned n)
{
    unsigned length = SafeLength(text);
    if (n == 0 || n > length)
        n = length;
    return BytesOf(text + (length - n), n);
}

Str Mid(const char* text, unsigned start, unsigned count)
{
    unsigned length = SafeLength(text);
    if (start >= length)
        return Str();
    unsigned available = length - start;
    if (count == 0 || count > available)
        count = available;
    return BytesOf(text + start, count);
}
