#include "launcher/package_scanner.h"

#include <string.h>

#include "text/heap.h"

// A line is read in pieces of at most this many bytes, its NUL included.
static const unsigned LineSize = 4096;

// What the scan is inside of. A literal runs to its closing quote, over
// line ends too: in a valid source no quote stands outside a literal. In code
// and in literals, the lexing is also the class of the bytes that end a run.
enum Lexing : unsigned char {
    InCode = 1, InString = 2, InChar = 4, InTextBlock = 8, InLineComment = 16, InBlockComment = 32
};
// The class of Java's blanks within a line.
static const unsigned char Blank = 64;

// The bytes that end a run in code and in each literal; the NUL that ends
// every piece ends every run too.
static constexpr char CodeRunEnds[] = "\r\n/;\"'";
static constexpr char StringRunEnds[] = "\r\n\"\\";  // also a text block's
static constexpr char CharRunEnds[] = "\r\n'\\";

// The classes of each byte: one table for every run, where a byte set built
// per run would cost each line several times over.
struct ByteClasses {
    unsigned char of[256];
};

// Adds the classes to each of the bytes.
static constexpr void AddClasses(ByteClasses* table, const char* bytes, unsigned char classes)
{
    for (; *bytes; bytes++)
        table->of[(unsigned char)*bytes] |= classes;
}

static constexpr ByteClasses ClassesOfBytes()
{
    ByteClasses table = {};
    table.of[0] = InCode | InString | InChar | InTextBlock;
    AddClasses(&table, CodeRunEnds, InCode);
    AddClasses(&table, StringRunEnds, InString | InTextBlock);
    AddClasses(&table, CharRunEnds, InChar);
    // The blank, a tab and a form feed.
    AddClasses(&table, " \t\f", Blank);
    return table;
}

static constexpr ByteClasses Classes = ClassesOfBytes();

static unsigned char ClassOf(char c)
{
    return Classes.of[(unsigned char)c];
}

static bool IsJavaBlank(char c)
{
    return ClassOf(c) & Blank;
}

// The bytes that end a run in the lexing, code or a literal, for strcspn.
static const char* RunEndsIn(unsigned char lexing)
{
    return lexing == InCode ? CodeRunEnds : lexing == InChar ? CharRunEnds : StringRunEnds;
}

// The table looks up this many bytes of a run. Most runs end sooner; a
// longer one is plain text, which strcspn, vectorised, passes faster.
static const int TableRun = 16;

// The first byte from `at` on whose class is in `ends`; the piece's NUL at end
// is in all. Four bytes are looked up at a step while the piece has them.
//     RunEnd("ab;c", end, InCode) -> ";c"
static const char* RunEnd(const char* at, const char* end, unsigned char ends)
{
    const char* tableEnd = end - at > TableRun ? at + TableRun : end;
    while (!(ClassOf(*at) & ends)) {
        if (++at >= tableEnd)
            return at + strcspn(at, RunEndsIn(ends));
        while (tableEnd - at >= 4 && !((ClassOf(at[0]) | ClassOf(at[1]) | ClassOf(at[2]) | ClassOf(at[3])) & ends))
            at += 4;
    }
    return at;
}

// The statement as it grows: one block that doubles when full, so that a
// source without ";" costs linear time. Each piece of a line is read straight
// into it, behind the statement, and its text moves down to the statement's
// end: the statement never outgrows what has been read.
struct Statement {
    char* block;
    unsigned length, capacity;
    Lexing lexing;
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
        // The text read lies before a NUL, which is no blank.
        const char* text = from;
        while (IsJavaBlank(*text))
            text++;
        if ((unsigned)(text - from) >= count)
            return;
        count -= text - from;
        from = text;
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
        return at + 3;
    }
    if (*at == '"' || *at == '\'')
        statement->lexing = *at == '"' ? InString : InChar;
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
    if (statement->lexing == InBlockComment) {
        const char* close = strstr(at, "*/");
        statement->lexing = close ? InCode : InBlockComment;
        // A "*" that ends the piece may meet its "/" in the next one.
        *token = end - 1;
        return close ? close + 2 : lineGoesOn && **token == '*' ? nullptr : end;
    }
    if (statement->lexing == InLineComment) {
        // A piece holds a line feed at its end only, so the comment runs to a
        // carriage return, which memchr finds, or to that line feed.
        const char* stop = (const char*)memchr(at, '\r', end - at);
        stop = stop ? stop : end[-1] == '\n' ? end - 1 : end;
        statement->lexing = stop < end ? InCode : InLineComment;
        // The comment has ended the text before it: its line end adds nothing.
        return stop < end ? stop + 1 : end;
    }
    const char* stop = RunEnd(at, end, statement->lexing);
    *token = stop;
    if (stop > at)
        Keep(statement, at, stop - at);
    if (stop == end)
        return end;
    bool code = statement->lexing == InCode;
    return code ? CodeToken(statement, stop, end, lineGoesOn) : LiteralToken(statement, stop, end, lineGoesOn);
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
    Statement statement = {nullptr, 0, 0, InCode, false, false, false};
    // The bytes of a token that a piece cut, where they lie in the block.
    unsigned carried = 0, carriedAt = 0;
    while (!statement.ended) {
        MakeRoomForPiece(&statement, carried);
        char* text = statement.block + statement.length + 1;
        if (carried > 0)
            memmove(text, statement.block + carriedAt, carried);
        char* piece = text + carried;
        // A read that gives nothing ends the scan: at the end of the file, and
        // also on a read error, which need not set the end-of-file indicator.
        bool read = fgets(piece, LineSize, source) != nullptr;
        // fgets ends a piece with a NUL, but one that reads nothing may not.
        if (!read)
            *piece = '\0';
        char* end = piece + strlen(piece);
        // The line goes on unless the piece ends it; bytes past a NUL are lost.
        bool lineGoesOn = read && (end == piece || end[-1] != '\n') && !feof(source);
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
