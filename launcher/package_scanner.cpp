#include "launcher/package_scanner.h"

#include <stdlib.h>
#include <string.h>

#include "text/heap.h"

// A line is read in pieces of at most this many bytes, its NUL included.
static const unsigned LineSize = 4096;

// Appends count bytes to the text being built in *block. The block doubles
// when full: joining each line onto a fresh copy would make a source without
// ";" cost quadratic time.
static void AppendTo(char** block, unsigned* length, unsigned* capacity,
                     const char* bytes, unsigned count)
{
    unsigned long long needed = *length + (unsigned long long)count + 1;
    if (needed > *capacity) {
        unsigned long long doubled = 2ull * *capacity;
        *capacity = CheckedSize(doubled > needed ? doubled : needed);
        *block = ResizeBytes(*block, *capacity);
    }
    memcpy(*block + *length, bytes, count);
    *length += count;
    (*block)[*length] = '\0';
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

        // Join the line up to its first ";" (all of it when it begins with one).
        const char* semicolon = strchr(line, ';');
        if (length > 0)
            AppendTo(&statement, &length, &capacity, " ", 1);
        AppendTo(&statement, &length, &capacity, line,
                 semicolon && semicolon != line ? semicolon - line : lineLength);
        if (semicolon)
            AppendTo(&statement, &length, &capacity, ";", 1);
    }
    Str result(statement);
    free(statement);
    return result;
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
