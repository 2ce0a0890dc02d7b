// Fuzzes ReadFirstStatement and PackageDepth: the input is a source file.
// The statement is compared with a straightforward model of the scan, which
// works on the bytes in memory and reads them as fgets does.
#include <string.h>
#include <unistd.h>

#include <algorithm>

#include "launcher/package_scanner.h"
#include "tests/fuzz/fuzz_check.h"

// In $TMPDIR: scripts/fuzz points it at a memory file system, for speed.
static char sourcePath[4096];

static void RemoveSource()
{
    unlink(sourcePath);
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* directory = getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp";
    snprintf(sourcePath, sizeof sourcePath, "%s/statement-input-XXXXXX", directory);
    int file = mkstemp(sourcePath);
    CHECK(file >= 0);
    close(file);
    atexit(RemoveSource);
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

static std::string TrimBlanks(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The statement, and in *consumed the bytes read to find it.
static std::string ModelStatement(const std::string& data, size_t* consumed)
{
    std::string statement;
    bool inComment = false, atEnd = false;
    size_t at = 0;
    while (!(!statement.empty() && statement.back() == ';') && !atEnd) {
        std::string line = ReadPiece(data, &at, &atEnd);
        line.resize(strlen(line.c_str()));
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        line = TrimBlanks(line);
        if (line.empty())
            continue;
        if (inComment) {
            size_t close = line.find("*/");
            if (close == std::string::npos)
                continue;
            inComment = false;
            line = TrimBlanks(line.substr(close + 2));
            if (line.empty())
                continue;
        }
        std::string head = line.substr(0, 2);
        if (head == "//")
            continue;
        if (head == "/*") {
            inComment = true;
            continue;
        }
        size_t semicolon = line.find(';');
        bool whole = semicolon == std::string::npos || semicolon == 0;
        statement += (statement.empty() ? "" : " ") + (whole ? line : line.substr(0, semicolon));
        if (semicolon != std::string::npos)
            statement += ';';
    }
    *consumed = at;
    return statement;
}

// The keyword is the text before the first blank, or all of it without one.
static int ModelDepth(const std::string& statement)
{
    size_t blank = statement.find(' ');
    std::string keyword = blank == std::string::npos || blank == 0 ? statement : statement.substr(0, blank);
    if (keyword != "package")
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
    CHECK(text.empty() || (text.front() != ' ' && text.back() != ' '));
    CHECK(text.find(';') == std::string::npos || text.back() == ';');

    int depth = PackageDepth(statement.c_str());
    CHECK(depth == ModelDepth(text));
    CHECK((depth > 0) == (text == "package" || text.compare(0, 8, "package ") == 0));

    // Any text, not only a statement that the scan can give.
    std::string raw = source.substr(0, source.find('\0'));
    CHECK(PackageDepth(raw.c_str()) == ModelDepth(raw));
    CHECK(PackageDepth(nullptr) == 0);
    return 0;
}
