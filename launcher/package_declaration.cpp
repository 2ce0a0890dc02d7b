// The depth of a package declaration, read as javac reads its tokens.
#include "launcher/package_scanner.h"

#include <limits.h>
#include <string.h>

#include "text/heap.h"

// The text past Java's white space and comments at `at`.
//     SkipSpace(" /* a */ // b\n\tc") -> "c"
static const char* SkipSpace(const char* at)
{
    for (;;) {
        at += strspn(at, " \t\f\r\n");
        if (at[0] != '/' || (at[1] != '/' && at[1] != '*'))
            return at;
        const char* close = at[1] == '*' ? strstr(at + 2, "*/") : nullptr;
        at = close ? close + 2 : at[1] == '/' ? at + strcspn(at, "\r\n") : at + strlen(at);
    }
}

// The text past the literal that opens at `at`, or past all of it when the
// literal does not close. A literal runs over line ends, as in the scan.
//     SkipLiteral("\"a\\\"b\" x") -> " x"
static const char* SkipLiteral(const char* at)
{
    bool textBlock = strncmp(at, "\"\"\"", 3) == 0;
    const char* close = textBlock ? "\"\"\"" : *at == '"' ? "\"" : "'";
    unsigned closeLength = strlen(close);
    for (at += closeLength; *at; at++) {
        if (strncmp(at, close, closeLength) == 0)
            return at + closeLength;
        // An escape takes the next byte along, but never the text's end.
        if (*at == '\\' && at[1] != '\0')
            at++;
    }
    return at;
}

// The text past the parenthesised part at `at`, which holds balanced
// parentheses, literals and comments; it ends early at a ";" or the text's end.
//     SkipParenthesised("(a = \")\", b = (1)) package") -> " package"
static const char* SkipParenthesised(const char* at)
{
    unsigned open = 0;
    do {
        at = SkipSpace(at);
        if (*at == '\0' || *at == ';')
            return at;
        open += *at == '(';
        open -= *at == ')';
        at = *at == '"' || *at == '\'' ? SkipLiteral(at) : at + 1;
    } while (open > 0);
    return at;
}

// Whether c may stand in a Java name: ASCII letters, digits, "_", "$" and
// every byte of a UTF-8 sequence.
static bool IsNameByte(char c)
{
    unsigned char byte = (unsigned char)c;
    return byte >= 0x80 || byte == '_' || byte == '$' || (byte >= '0' && byte <= '9') ||
           ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z');
}

// Whether the word at `at` is exactly `word`.
static bool IsWord(const char* at, const char* word)
{
    unsigned length = strlen(word);
    return strncmp(at, word, length) == 0 && !IsNameByte(at[length]);
}

// The text past the annotations at the head of `at`: each an "@", a name,
// qualified or not, and maybe a parenthesised part. Null when "@interface"
// declares an annotation type instead.
//     SkipAnnotations("@A @b.C(\";\") package x;") -> "package x;"
static const char* SkipAnnotations(const char* at)
{
    while (*at == '@') {
        at = SkipSpace(at + 1);
        if (IsWord(at, "interface"))
            return nullptr;
        for (;;) {
            while (IsNameByte(*at))
                at++;
            const char* dot = SkipSpace(at);
            if (*dot != '.')
                break;
            at = SkipSpace(dot + 1);
        }
        at = SkipSpace(at);
        if (*at == '(')
            at = SkipSpace(SkipParenthesised(at));
    }
    return at;
}

// The number of dots in [at, at + length).
static unsigned long long DotsIn(const char* at, unsigned long long length)
{
    unsigned long long dots = 0;
    const char* end = at + length;
    while ((at = (const char*)memchr(at, '.', end - at)) != nullptr) {
        dots++;
        at++;
    }
    return dots;
}

// The number of dots before the first ";" outside comments and literals.
//     DotsBeforeEnd(" a /* b.c */ .d; e.f") -> 1
static unsigned long long DotsBeforeEnd(const char* at)
{
    unsigned long long dots = 0;
    for (;;) {
        unsigned long long plain = strcspn(at, ";/\"'");
        dots += DotsIn(at, plain);
        at += plain;
        if (*at == '"' || *at == '\'') {
            at = SkipLiteral(at);
        } else if (*at == '/') {
            // A "/" that opens no comment is plain text.
            const char* past = SkipSpace(at);
            at = past == at ? at + 1 : past;
        } else {
            return dots;
        }
    }
}

// The end of the package name at `at`: past names and dots, white space
// and comments, where two names meet only across a dot.
//     PastName(" com /* b.c */ .acme; e.f") -> "; e.f"
//     PastName(" a.b c;")                    -> "c;"
static const char* PastName(const char* at)
{
    bool nameMayFollow = true;
    for (;;) {
        at = SkipSpace(at);
        if (*at == '.') {
            nameMayFollow = true;
            at++;
        } else if (IsNameByte(*at) && nameMayFollow) {
            while (IsNameByte(*at))
                at++;
            nameMayFollow = false;
        } else {
            return at;
        }
    }
}

// The package name at `at` without its white space and comments, when it
// runs up to the statement's ";" or end; else empty: a declaration javac
// cannot read.
//     NameBeforeEnd(" com /* b.c */ .acme; e.f") -> "com.acme"
static Str NameBeforeEnd(const char* at)
{
    const char* end = PastName(at);
    if (*end != ';' && *end != '\0')
        return Str();
    char* name = NewBytes(end - at + 1ull);
    unsigned long long length = 0;
    while ((at = SkipSpace(at)) < end)
        name[length++] = *at++;
    name[length] = '\0';
    return AdoptBytes(name);
}

int PackageDepth(const char* statement, Str* packageName)
{
    if (!statement)
        return 0;
    const char* keyword = SkipAnnotations(SkipSpace(statement));
    // The keyword ends with white space, a comment or the statement.
    if (!keyword || !IsWord(keyword, "package"))
        return 0;
    const char* name = keyword + 7;
    if (*name != '\0' && SkipSpace(name) == name)
        return 0;
    unsigned long long dots = DotsBeforeEnd(name);
    if (packageName)
        *packageName = NameBeforeEnd(name);
    return dots < INT_MAX ? (int)dots + 1 : INT_MAX;
}
