#include "text/number.h"

Str DigitsOf(unsigned long long number, unsigned base, unsigned digits)
{
    char text[72];
    char* at = text + sizeof text - 1;
    *at = '\0';
    for (unsigned count = 0; (number > 0 || count < digits) && at > text; count++) {
        *--at = "0123456789ABCDEF"[number % base];
        number /= base;
    }
    return Str(at);
}
