#include "launcher/package_scanner.h"

#include <string.h>

#include "text/heap.h"

// A line is read in pieces of at most this many bytes, its NUL included.
static const unsigned LineSize = 4096;

// Java's blanks: besides the blank, a tab, a form feed and a carriage return.
static bool IsJavaBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\r';
}

// The statement as it grows: one block that doubles when full, so that a
// source without ";" costs linear time, and each piece of a line is read
// straight into it, behind the blank that would join it.
struct Statement {
    char* block;
    unsigned length, capacity;
};

// Room for a blank, one more piece and a ";" behind the statement.
static void MakeRoomForPiece(Statement* statement)
{
    unsigned long long needed = statement->length + 2ull + LineSize;
    if (needed <= statement->capacity)
        return;
    unsigned long long doubled = 2ull * statement->capacity;
    statement->capacity = CheckedSize(doubled > needed ? doubled : needed);
    statement->block = ResizeBytes(statement->block, statement->capacity);
}

// Trims Java's blanks off both ends of the text [*start, *start + *length).
static void TrimJavaBlanks(char** start, unsigned* length)
{
    while (*length > 0 && IsJavaBlank((*start)[*length - 1]))
        --*length;
    while (*length > 0 && IsJavaBlank(**start)) {
        ++*start;
        --*length;
    }
}

// The text after the comment's close, trimmed, as a line of its own; false
// when the comment does not close in [*start, *start + *length).
static bool SkipPastClose(char** start, unsigned* length, unsigned from)
{
    (*start)[*length] = '\0';
    char* close = *length >= from ? strstr(*start + from, "*/") : nullptr;
    if (!close)
        return false;
    *length -= close + 2 - *start;
    *start = close + 2;
    TrimJavaBlanks(start, length);
    return true;
}

// What of the piece [*start, *start + *length) belongs to the statement, past
// blank lines, "//" lines and block comments; empty when nothing does.
// A block comment's text after its first "*/" is a line of its own.
static void SkipComments(char** start, unsigned* length, bool* inComment)
{
    TrimJavaBlanks(start, length);
    if (*inComment) {
        if (!SkipPastClose(start, length, 0)) {
            *length = 0;
            return;
        }
        *inComment = false;
    }
    while (*length >= 2 && (*start)[0] == '/' && ((*start)[1] == '/' || (*start)[1] == '*')) {
        if ((*start)[1] == '/' || !SkipPastClose(start, length, 2)) {
            *inComment = (*start)[1] == '*';
            *length = 0;
            return;
        }
    }
}

// Keeps the text [start, start + length) at the end of the statement, joined
// by one blank: up to and with its first ";", or all of it when it has none
// or begins with one.
static void Join(Statement* statement, const char* start, unsigned length)
{
    const char* semicolon = (const char*)memchr(start, ';', length);
    if (semicolon && semicolon != start)
        length = semicolon - start + 1;
    char* end = statement->block + statement->length;
    if (statement->length > 0)
        *end++ = ' ';
    if (end != start)
        memmove(end, start, length);
    end += length;
    if (semicolon == start)
        *end++ = ';';
    *end = '\0';
    statement->length = end - statement->block;
}

Str ReadFirstStatement(FILE* source)
{
    Statement statement = {nullptr, 0, 0};
    bool inComment = false;
    while (!(statement.length > 0 && statement.block[statement.length - 1] == ';') && !feof(source)) {
        MakeRoomForPiece(&statement);
        char* piece = statement.block + statement.length + 1;
        // A read that gives nothing ends the scan: at the end of the file, and
        // also on a read error, which need not set the end-of-file indicator.
        if (!fgets(piece, LineSize, source))
            break;
        unsigned length = SafeLength(piece);
        if (length > 0 && piece[length - 1] == '\n')
            length--;
        SkipComments(&piece, &length, &inComment);
        if (length > 0)
            Join(&statement, piece, length);
    }
    if (statement.block)
        statement.block[statement.length] = '\0';
    // The statement's block becomes the result, cut to size, without a copy.
    return AdoptBytes(statement.block ? ResizeBytes(statement.block, statement.length + 1ull) : nullptr);
}

int PackageDepth(const char* statement)
{
    // The keyword ends at the first blank of Java's, or with the statement.
    if (!statement || strncmp(statement, "package", 7) != 0)
        return 0;
    if (statement[7] != '\0' && !IsJavaBlank(statement[7]))
        return 0;
    int dots = 0;
    for (const char* at = statement; *at; at++)
        dots += *at == '.';
    return dots + 1;
}
