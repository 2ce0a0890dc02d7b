#include "launcher/package_scanner.h"

#include <string.h>

#include "text/heap.h"

// A line is read in pieces of at most this many bytes, its NUL included.
static const unsigned LineSize = 4096;

// Joins a line to the statement in *block: a blank unless it is the first,
// then the line up to and with its first ";" (all of it when it begins with
// one). The block doubles when full: joining each line onto a fresh copy
// would make a source without ";" cost quadratic time.
static void JoinLine(char** block, unsigned* length, unsigned* capacity,
                     const char* line, unsigned lineLength)
{
    const char* semicolon = (const char*)memchr(line, ';', lineLength);
    unsigned count = semicolon && semicolon != line ? semicolon - line : lineLength;
    unsigned long long needed = *length + (unsigned long long)count + 3;
    if (needed > *capacity) {
        unsigned long long doubled = 2ull * *capacity;
        *capacity = CheckedSize(doubled > needed ? doubled : needed);
        *block = ResizeBytes(*block, *capacity);
    }
    char* end = *block + *length;
    if (*length > 0)
        *end++ = ' ';
    memcpy(end, line, count);
    end += count;
    if (semicolon)
        *end++ = ';';
    *end = '\0';
    *length = end - *block;
}

// Trims the blanks off both ends of the line [*start, *start + *length).
static void TrimInPlace(char** start, unsigned* length)
{
    while (*length > 0 && (*start)[*length - 1] == ' ')
        (*start)[--*length] = '\0';
    while (**start == ' ') {
        ++*start;
        --*length;
    }
}

Str ReadFirstStatement(FILE* source)
{
    char* statement = nullptr;
    unsigned length = 0, capacity = 0;
    bool inComment = false;
    Str buffer;
    buffer.reserve(LineSize - 1);
    while (!(length > 0 && statement[length - 1] == ';') && !feof(source)) {
        // A read that gives nothing ends the scan: at the end of the file, and
        // also on a read error, which need not set the end-of-file indicator.
        char* line = buffer.c_str();
        if (!fgets(line, LineSize, source))
            break;
        unsigned lineLength = SafeLength(line);
        if (lineLength > 0 && line[lineLength - 1] == '\n')
            line[--lineLength] = '\0';
        TrimInPlace(&line, &lineLength);
        if (lineLength == 0)
            continue;

        // Inside a block comment only the text after its first "*/" counts.
        if (inComment) {
            char* close = strstr(line, "*/");
            if (!close)
                continue;
            inComment = false;
            lineLength -= close + 2 - line;
            line = close + 2;
            TrimInPlace(&line, &lineLength);
            if (lineLength == 0)
                continue;
        }
        if (strncmp(line, "//", 2) == 0)
            continue;
        if (strncmp(line, "/*", 2) == 0) {
            inComment = true;
            continue;
        }

        JoinLine(&statement, &length, &capacity, line, lineLength);
    }
    // The statement's block becomes the result, cut to size, without a copy.
    return AdoptBytes(statement ? ResizeBytes(statement, length + 1ull) : nullptr);
}

int PackageDepth(const char* statement)
{
    Str keyword = Left(statement, Find(statement, " "));
    if (keyword != "package")
        return 0;
    int dots = 0;
    for (const char* at = statement; *at; at++)
        dots += *at == '.';
    return dots + 1;
}
