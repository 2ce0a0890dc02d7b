#include "text/number.h"

Str DigitsOf(unsigned long long number, unsigned base, unsigned digits)
{
    const unsigned radix = base == 16 ? 16 : 10;
    char text[72];
    char* end = text + sizeof text - 1;
    char* at = end;
    *at = '\0';
    do {
        *--at = "0123456789ABCDEF"[number % radix];
        number /= radix;
    } while (number > 0);
    while (at > text && end - at < (long)digits)
        *--at = '0';
    return Str(at);
}
