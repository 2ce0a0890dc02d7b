#include "launcher/package_scanner.h"

#include <string.h>

#include "text/heap.h"

// A line is read in pieces of at most this many bytes, its NUL included.
static const unsigned LineSize = 4096;

// Java's blanks within a line: the blank, a tab and a form feed.
static const char JavaBlanks[] = " \t\f";

static bool IsJavaBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f';
}

// What the scan is inside of. A literal runs to its closing quote, over
// line ends too: in a valid source no quote stands outside a literal.
enum Lexing { InCode, InLineComment, InBlockComment, InLiteral, InTextBlock };

// The statement as it grows: one block that doubles when full, so that a
// source without ";" costs linear time. Each piece of a line is read straight
// into it, behind the statement, and its text moves down to the statement's
// end: the statement never outgrows what has been read.
struct Statement {
    char* block;
    unsigned length, capacity;
    Lexing lexing;
    char quote;           // the quote that closes the literal InLiteral
    bool segmentStarted;  // text has come since the last line end or comment
    bool wholeSegment;    // the segment began with ";": it is taken whole
    bool ended;
};

// Room for a blank, the bytes carried over and one more piece with its NUL.
// Text only moves down, and the ";" that ends a text begun with ";" takes the
// place of the line end or comment that ends it, or of the NUL at the end.
static void MakeRoomForPiece(Statement* statement, unsigned carried)
{
    unsigned long long needed = statement->length + 1ull + carried + LineSize;
    if (needed <= statement->capacity)
        return;
    unsigned long long doubled = 2ull * statement->capacity;
    statement->capacity = CheckedSize(doubled > needed ? doubled : needed);
    statement->block = ResizeBytes(statement->block, statement->capacity);
}

// Appends [from, from + count) to the statement. The first text after a line
// end or a comment drops its leading blanks and is joined by one blank.
static void Keep(Statement* statement, const char* from, unsigned count)
{
    if (!statement->segmentStarted) {
        // The text read lies before a NUL, so the count may be passed.
        unsigned blanks = strspn(from, JavaBlanks);
        if (blanks >= count)
            return;
        from += blanks;
        count -= blanks;
        if (statement->length > 0)
            statement->block[statement->length++] = ' ';
        statement->segmentStarted = true;
    }
    memmove(statement->block + statement->length, from, count);
    statement->length += count;
}

// A line end or a comment: the text before it loses its trailing blanks, and
// a text that began with ";" ends the statement with one more ";".
static void EndSegment(Statement* statement)
{
    while (statement->length > 0 && IsJavaBlank(statement->block[statement->length - 1]))
        statement->length--;
    if (statement->wholeSegment) {
        statement->block[statement->length++] = ';';
        statement->ended = true;
    }
    statement->segmentStarted = false;
}

static bool IsLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Handles a token that begins with the special byte at `at` in code: a line
// end, ";", a comment's opening or a literal's. Returns the text past it, or
// null when the piece ends within the token and the line goes on.
static const char* CodeToken(Statement* statement, const char* at, const char* end, bool lineGoesOn)
{
    unsigned left = end - at;
    if (IsLineEnd(*at)) {
        EndSegment(statement);
        return at + 1;
    }
    if (*at == ';') {
        statement->wholeSegment = statement->wholeSegment || !statement->segmentStarted;
        Keep(statement, at, 1);
        statement->ended = !statement->wholeSegment;
        return at + 1;
    }
    if (lineGoesOn && left < (*at == '"' ? 3u : *at == '/' ? 2u : 1u))
        return nullptr;
    if (*at == '/' && left >= 2 && (at[1] == '/' || at[1] == '*')) {
        EndSegment(statement);
        statement->lexing = at[1] == '/' ? InLineComment : InBlockComment;
        return at + 2;
    }
    if (*at == '"' && left >= 3 && at[1] == '"' && at[2] == '"') {
        Keep(statement, at, 3);
        statement->lexing = InTextBlock;
        statement->quote = '"';
        return at + 3;
    }
    if (*at == '"' || *at == '\'') {
        statement->lexing = InLiteral;
        statement->quote = *at;
    }
    Keep(statement, at, 1);
    return at + 1;
}

// Handles a token that begins with the special byte at `at` in a literal: a
// line end, an escape or a quote. Returns as CodeToken does.
static const char* LiteralToken(Statement* statement, const char* at, const char* end, bool lineGoesOn)
{
    unsigned left = end - at;
    bool textBlock = statement->lexing == InTextBlock;
    if (IsLineEnd(*at)) {
        EndSegment(statement);
        return at + 1;
    }
    if (lineGoesOn && left < (*at == '\\' ? 2u : textBlock ? 3u : 1u))
        return nullptr;
    // An escaped line end stays a line end.
    unsigned count = *at == '\\' && left >= 2 && !IsLineEnd(at[1]) ? 2 : 1;
    if (*at == '"' && textBlock && left >= 3 && at[1] == '"' && at[2] == '"')
        count = 3;
    if (*at != '\\' && (!textBlock || count == 3))
        statement->lexing = InCode;
    Keep(statement, at, count);
    return at + count;
}

// Scans one run of the text [at, end) in the lexing at hand, and the token
// that ends the run. Returns the text past them, or null when the piece cuts
// that token, which begins at *token.
static const char* ScanRun(Statement* statement, const char* at, const char* end, bool lineGoesOn,
                           const char** token)
{
    if (statement->lexing == InLineComment) {
        at += strcspn(at, "\r\n");
        statement->lexing = at < end ? InCode : InLineComment;
        return at;
    }
    if (statement->lexing == InBlockComment) {
        const char* close = strstr(at, "*/");
        statement->lexing = close ? InCode : InBlockComment;
        // A "*" that ends the piece may meet its "/" in the next one.
        *token = end - 1;
        return close ? close + 2 : lineGoesOn && **token == '*' ? nullptr : end;
    }
    bool code = statement->lexing == InCode;
    const char literalStops[] = {'\r', '\n', '\\', statement->quote, '\0'};
    *token = at + strcspn(at, code ? "\r\n/;\"'" : literalStops);
    Keep(statement, at, *token - at);
    if (*token == end)
        return end;
    return code ? CodeToken(statement, *token, end, lineGoesOn) : LiteralToken(statement, *token, end, lineGoesOn);
}

// Scans the text [at, end), which ends with a NUL, into the statement, up to
// the statement's end. Returns where it stopped: end, or the start of a token
// that the piece cuts, to be carried over to the next piece of the line.
static const char* Scan(Statement* statement, const char* at, const char* end, bool lineGoesOn)
{
    while (at < end && !statement->ended) {
        const char* token = end;
        at = ScanRun(statement, at, end, lineGoesOn, &token);
        if (!at)
            return token;
    }
    return end;
}

Str ReadFirstStatement(FILE* source)
{
    Statement statement = {nullptr, 0, 0, InCode, '"', false, false, false};
    // The bytes of a token that a piece cut, where they lie in the block.
    unsigned carried = 0, carriedAt = 0;
    while (!statement.ended && !feof(source)) {
        MakeRoomForPiece(&statement, carried);
        char* text = statement.block + statement.length + 1;
        if (carried > 0)
            memmove(text, statement.block + carriedAt, carried);
        char* piece = text + carried;
        // A read that gives nothing ends the scan: at the end of the file, and
        // also on a read error, which need not set the end-of-file indicator.
        bool read = fgets(piece, LineSize, source) != nullptr;
        char* end = read ? piece + SafeLength(piece) : piece;
        *end = '\0';
        // The line goes on unless the piece ends it; bytes past a NUL are lost.
        bool lineGoesOn = read && !feof(source) && (end == piece || end[-1] != '\n');
        const char* stop = Scan(&statement, text, end, lineGoesOn);
        carried = end - stop;
        carriedAt = stop - statement.block;
        if (!read)
            break;
    }
    if (!statement.ended)
        EndSegment(&statement);
    if (statement.block)
        statement.block[statement.length] = '\0';
    // The statement's block becomes the result, cut to size, without a copy.
    return AdoptBytes(statement.block ? ResizeBytes(statement.block, statement.length + 1ull) : nullptr);
}
