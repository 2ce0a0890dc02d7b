#include "launcher/filled_buffer.h"

Str Filled(FillCall call, const char* argument)
{
    Str result;
    unsigned long size = call(argument, nullptr, 0);
    // The buffer holds size bytes and a NUL: a text of length <= size fits.
    while (size > 0 && size < 0xFFFFFFFFul && result.reserve((unsigned)size)) {
        unsigned long length = call(argument, result.c_str(), size + 1);
        if (length <= size)
            return length > 0 ? result : Str();
        size = length;
    }
    return Str();
}
