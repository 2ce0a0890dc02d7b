// Fuzzes ReadFirstStatement and PackageDepth: the input is a source file.
// The statement and the depth are compared with a model written apart from
// the scan: it cuts the pieces that fgets would read, then reads the whole
// visible text at once as tokens.
#include <ctype.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "launcher/package_scanner.h"
#include "tests/fuzz/fuzz_check.h"

static const char* sourcePath;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    sourcePath = InputFilePath("statement");
    return 0;
}

// One read into a buffer of 4,096 bytes: up to and with a "\n", or 4,095
// bytes; running into the end of the data sets the end-of-file indicator.
static std::string ReadPiece(const std::string& data, size_t* at, bool* atEnd)
{
    size_t start = *at;
    while (*at < data.size() && *at - start < 4095) {
        if (data[(*at)++] == '\n')
            return data.substr(start, *at - start);
    }
    if (*at - start < 4095)
        *atEnd = true;
    return data.substr(start, *at - start);
}

// The text the scan sees: the pieces as read, each up to its first NUL. In
// *pieceEnds, for each of its bytes, where the stream stands after its piece.
static std::string VisibleText(const std::string& data, std::vector<size_t>* pieceEnds)
{
    std::string visible;
    bool atEnd = false;
    for (size_t at = 0; !atEnd;) {
        std::string piece = ReadPiece(data, &at, &atEnd);
        piece = std::string(piece.c_str());
        visible += piece;
        pieceEnds->insert(pieceEnds->end(), piece.size(), at);
    }
    return visible;
}

// The source cut into tokens as javac sees them: line ends, comments,
// literals, and runs of other text. A literal runs to its closing quote,
// over line ends; an escape takes the byte after it.
enum Kind { Text, LineEnd, Comment, Literal };
struct Token {
    Kind kind;
    size_t begin, end;
};

static std::vector<Token> Tokens(const std::string& text)
{
    std::vector<Token> tokens;
    for (size_t at = 0; at < text.size();) {
        size_t end = std::min(text.find_first_of("\r\n/\"'", at + 1), text.size());
        Kind kind = Text;
        std::string head = text.substr(at, 3);
        if (head[0] == '\r' || head[0] == '\n') {
            kind = LineEnd;
            end = at + 1;
        } else if (head.compare(0, 2, "//") == 0) {
            kind = Comment;
            end = text.find_first_of("\r\n", at);
        } else if (head.compare(0, 2, "/*") == 0) {
            kind = Comment;
            end = text.find("*/", at + 2);
            end = end == std::string::npos ? end : end + 2;
        } else if (head[0] == '"' || head[0] == '\'') {
            kind = Literal;
            std::string quote = head == "\"\"\"" ? head : head.substr(0, 1);
            for (end = at + quote.size(); end < text.size() && text.compare(end, quote.size(), quote) != 0;)
                end += text[end] == '\\' ? 2 : 1;
            end += quote.size();
        }
        end = std::min(end, text.size());
        tokens.push_back({kind, at, end});
        at = end;
    }
    return tokens;
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f';
}

// The statement's text: what is not comment, cut into lines at line ends and
// comments, each line stripped of blanks, the non-empty ones joined by blanks.
static std::string Joined(const std::string& text, const std::vector<Token>& tokens, size_t end)
{
    std::string lines;
    for (const Token& token : tokens) {
        if (token.begin < end)
            lines += token.kind == Comment ? std::string("\n") : text.substr(token.begin, std::min(token.end, end) - token.begin);
    }
    std::string joined, line;
    for (size_t at = 0; at <= lines.size(); at++) {
        if (at < lines.size() && lines[at] != '\r' && lines[at] != '\n') {
            line += lines[at];
            continue;
        }
        size_t first = line.find_first_not_of(" \t\f"), last = line.find_last_not_of(" \t\f");
        if (first != std::string::npos)
            joined += (joined.empty() ? "" : " ") + line.substr(first, last - first + 1);
        line.clear();
    }
    return joined;
}

// The statement, and in *consumed where the stream stands after it: up to
// the first ";" in code; when nothing but blanks stands between that ";" and
// the line end or comment before it, up to the next line end or comment,
// and a ";" more.
static std::string ModelStatement(const std::string& data, size_t* consumed)
{
    std::vector<size_t> pieceEnds;
    std::string text = VisibleText(data, &pieceEnds);
    std::vector<Token> tokens = Tokens(text);
    *consumed = data.size();
    bool textSince = false, wholeLine = false;
    for (const Token& token : tokens) {
        for (size_t at = token.begin; at < token.end; at++) {
            bool separator = token.kind == Comment || text[at] == '\r' || text[at] == '\n';
            if (separator && wholeLine) {
                // A comment is known by its second byte.
                *consumed = pieceEnds[token.kind == Comment ? at + 1 : at];
                return Joined(text, tokens, at) + ";";
            }
            if (token.kind == Text && text[at] == ';' && !wholeLine) {
                if (textSince) {
                    *consumed = pieceEnds[at];
                    return Joined(text, tokens, at + 1);
                }
                wholeLine = true;
            }
            textSince = !separator && (textSince || !IsBlank(text[at]));
            if (token.kind == Comment)
                break;
        }
    }
    return Joined(text, tokens, text.size()) + (wholeLine ? ";" : "");
}

static bool IsNameByte(char c)
{
    return (unsigned char)c >= 0x80 || isalnum((unsigned char)c) || c == '_' || c == '$';
}

// The depth of a text read as javac's tokens: its items before the first
// ";" are words, literals ("\"") and other bytes, apart from white space and
// comments. After any annotations ("@", a name with dots, balanced
// parentheses) the word "package" followed by white space, a comment or the
// end; then one more than the "." items.
static int ModelDepth(const std::string& text)
{
    std::vector<std::string> items;
    std::vector<bool> spaceAfter;
    bool inWord = false, ended = false;
    for (const Token& token : Tokens(text)) {
        for (size_t at = token.begin; at < token.end && !ended; at++) {
            char c = token.kind == Literal ? '"' : token.kind == Text ? text[at] : ' ';
            if (IsBlank(c)) {
                if (!items.empty())
                    spaceAfter.back() = true;
                inWord = false;
                at = token.kind == Text ? at : token.end;
                continue;
            }
            ended = c == ';';
            bool word = IsNameByte(c);
            if (word && inWord) {
                items.back() += c;
            } else if (!ended) {
                items.push_back(std::string(1, c));
                spaceAfter.push_back(false);
            }
            inWord = word;
            at = token.kind == Text ? at : token.end;
        }
    }
    if (!ended && !items.empty())
        spaceAfter.back() = true;

    auto isWord = [&](size_t at) { return at < items.size() && IsNameByte(items[at][0]); };
    size_t i = 0;
    while (i < items.size() && items[i] == "@") {
        i++;
        if (i < items.size() && items[i] == "interface")
            return 0;
        i += isWord(i);
        while (i < items.size() && items[i] == ".")
            i += 1 + isWord(i + 1);
        if (i < items.size() && items[i] == "(") {
            size_t open = 0;
            do {
                open += items[i] == "(";
                open -= items[i] == ")";
                i++;
            } while (open > 0 && i < items.size());
            if (open > 0)
                return 0;
        }
    }
    if (i >= items.size() || items[i] != "package" || !spaceAfter[i])
        return 0;
    return 1 + (int)std::count(items.begin() + i, items.end(), ".");
}

// The statement read from data as a file, and in *consumed where the
// stream stood afterwards.
static Str StatementOf(const std::string& data, long* consumed)
{
    FILE* file = fopen(sourcePath, "wb");
    CHECK(file);
    CHECK(fwrite(data.data(), 1, data.size(), file) == data.size());
    CHECK(fclose(file) == 0);
    FILE* source = fopen(sourcePath, "r");
    CHECK(source);
    Str statement = ReadFirstStatement(source);
    *consumed = ftell(source);
    fclose(source);
    return statement;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string source(reinterpret_cast<const char*>(data), size);
    long consumed = 0;
    Str statement = StatementOf(source, &consumed);
    std::string text = TextOf(statement.c_str());
    CHECK(statement.c_str() == nullptr || text != "");
    size_t modelConsumed = 0;
    CHECK(text == ModelStatement(source, &modelConsumed));
    // Nothing is read past the piece that ends the statement.
    CHECK(consumed == (long)modelConsumed);
    CHECK(text.find_first_of("\r\n") == std::string::npos);
    CHECK(text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back())));

    // The statement's depth is the whole source's.
    int depth = PackageDepth(statement.c_str());
    CHECK(depth == ModelDepth(text));
    std::vector<size_t> pieceEnds;
    CHECK(depth == ModelDepth(VisibleText(source, &pieceEnds)));

    // Any text, not only a statement that the scan can give.
    std::string raw = source.substr(0, source.find('\0'));
    CHECK(PackageDepth(raw.c_str()) == ModelDepth(raw));
    CHECK(PackageDepth(nullptr) == 0);
    return 0;
}
