#include "text/bytes.h"

#include <string.h>

Str BytesOf(const char* start, unsigned count)
{
    Str result;
    if (count > 0 && result.reserve(count)) {
        memcpy(result.c_str(), start, count);
        result.c_str()[count] = '\0';
    }
    return result;
}
