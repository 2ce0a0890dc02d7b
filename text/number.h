// A number written as text. Not printf's work: MinGW's own printf, which
// snprintf brings into a Windows exe, would be a fifth of its size.
#ifndef TEXT_NUMBER_H
#define TEXT_NUMBER_H

#include "text/str.h"

// The number in base 16 (capital letters) or else 10, with zeros in front
// up to at least digits digits.
//     DigitsOf(9009, 10, 1)       -> "9009"
//     DigitsOf(0xC000013A, 16, 8) -> "C000013A"
//     DigitsOf(5, 10, 2)          -> "05"
Str DigitsOf(unsigned long long number, unsigned base, unsigned digits);

#endif
