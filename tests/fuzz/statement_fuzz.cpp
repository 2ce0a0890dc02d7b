// Fuzzes ReadFirstStatement and PackageDepth: the input is a source file.
// The statement is compared with a model of the scan written apart from it,
// which works on the bytes in memory and reads them as fgets does.
#include <string.h>

#include <algorithm>

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

static bool IsJavaBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\r';
}

static std::string Stripped(const std::string& text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && IsJavaBlank(text[begin]))
        begin++;
    while (end > begin && IsJavaBlank(text[end - 1]))
        end--;
    return text.substr(begin, end - begin);
}

// What of a line counts once the comments at its head are taken away; *open
// tells whether a block comment is open, before the line and after it.
static std::string Counted(const std::string& line, bool* open)
{
    std::string text = Stripped(line);
    if (*open) {
        size_t close = text.find("*/");
        if (close == std::string::npos)
            return "";
        *open = false;
        return Counted(text.substr(close + 2), open);
    }
    if (text.compare(0, 2, "//") == 0)
        return "";
    if (text.compare(0, 2, "/*") == 0) {
        *open = true;
        return Counted(text.substr(2), open);
    }
    return text;
}

// The statement, and in *consumed the bytes read to find it: the counted
// text of each line up to and with its first ";" (all of it, and a ";",
// when it begins with one), joined by blanks.
static std::string ModelStatement(const std::string& data, size_t* consumed)
{
    std::string statement;
    bool open = false, atEnd = false;
    size_t at = 0;
    while ((statement.empty() || statement.back() != ';') && !atEnd) {
        std::string piece = ReadPiece(data, &at, &atEnd);
        std::string line = piece.substr(0, piece.find('\0'));
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        std::string text = Counted(line, &open);
        if (text.empty())
            continue;
        size_t semicolon = text.find(';');
        if (semicolon == 0)
            text += ';';
        else if (semicolon != std::string::npos)
            text.resize(semicolon + 1);
        statement += (statement.empty() ? "" : " ") + text;
    }
    *consumed = at;
    return statement;
}

// The keyword is the text before the first of Java's blanks.
static int ModelDepth(const std::string& statement)
{
    if (statement.substr(0, statement.find_first_of(" \t\f\r")) != "package")
        return 0;
    return (int)std::count(statement.begin(), statement.end(), '.') + 1;
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
    // Nothing is read past the line that ends the statement.
    CHECK(consumed == (long)modelConsumed);

    CHECK(text.find('\n') == std::string::npos);
    CHECK(text.empty() || (!IsJavaBlank(text.front()) && !IsJavaBlank(text.back())));
    CHECK(text.find(';') == std::string::npos || text.back() == ';');

    int depth = PackageDepth(statement.c_str());
    CHECK(depth == ModelDepth(text));
    CHECK((depth > 0) == (text.compare(0, 7, "package") == 0 && (text.size() == 7 || IsJavaBlank(text[7]))));

    // Any text, not only a statement that the scan can give.
    std::string raw = source.substr(0, source.find('\0'));
    CHECK(PackageDepth(raw.c_str()) == ModelDepth(raw));
    CHECK(PackageDepth(nullptr) == 0);
    return 0;
}
