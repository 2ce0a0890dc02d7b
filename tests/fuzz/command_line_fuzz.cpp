// Fuzzes QuotedArgument and EscapedForCmd as a pair. Input: NUL-separated
// texts, the first a tool path, the rest (up to 8) arguments; line feeds and
// carriage returns are dropped, as they cannot pass through cmd. The line is
// built as the launcher builds it, then read back as cmd and the C runtime
// would: the carets undone, and split into arguments by a splitter written
// here from the runtime's documented rules. Every argument must come back
// byte for byte, and no metacharacter may be left bare outside cmd's quotes.
#include <string.h>

#include <string>
#include <vector>

#include "launcher/command_line.h"
#include "tests/fuzz/fuzz_check.h"

static std::string WithoutLineEnds(const std::string& text)
{
    std::string kept;
    for (char c : text)
        if (c != '\n' && c != '\r')
            kept += c;
    return kept;
}

// The tool path as the launcher puts it first: quotes dropped (no file name
// holds one), and the whole path quoted when cmd or the runtime would split
// it or act on it.
static std::string ToolOf(const std::string& path)
{
    std::string tool;
    for (char c : path)
        if (c != '"')
            tool += c;
    if (tool.empty() || tool.find_first_of(" \t&|<>()^") != std::string::npos)
        return "\"" + tool + "\"";
    return tool;
}

// The line as cmd hands it on: outside its quotes, a caret is dropped and the
// byte after it taken as it is; inside them it is a byte like any other. A
// bare & | < > ( ) outside them breaks the property, and so does a caret that
// escapes anything else (a "%", a letter): cmd would drop it too, but it
// shows a line escaped where it need not be, which the launcher never writes.
static std::string AsCmdHandsItOn(const std::string& line)
{
    std::string handed;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); i++) {
        char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '^') {
            CHECK(i + 1 < line.size() && strchr("^&|<>()", line[i + 1]) != nullptr);
            c = line[++i];
        } else if (!quoted) {
            CHECK(strchr("&|<>()", c) == nullptr);
        }
        handed += c;
    }
    return handed;
}

// The C runtime's split. The program name runs to the first blank or tab, or
// between quotes without any escape. In the arguments, 2n backslashes before
// a quote give n and the quote opens or closes quoting; 2n+1 give n and a
// literal quote; other backslashes are literal. Runtimes differ on "" inside
// quotes, so such a line breaks the property.
static std::vector<std::string> SplitAsTheRuntime(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0, n = line.size();
    std::string name;
    if (i < n && line[i] == '"') {
        for (i++; i < n && line[i] != '"'; i++)
            name += line[i];
        i++;
    } else {
        for (; i < n && line[i] != ' ' && line[i] != '\t'; i++)
            name += line[i];
    }
    words.push_back(name);
    for (;;) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            i++;
        if (i >= n)
            return words;
        std::string word;
        bool quoted = false;
        for (; i < n; i++) {
            size_t run = 0;
            while (i + run < n && line[i + run] == '\\')
                run++;
            if (run > 0 && i + run < n && line[i + run] == '"') {
                word.append(run / 2, '\\');
                if (run % 2 == 1)
                    word += '"';
                else
                    quoted = !quoted;
                i += run;
            } else if (run > 0) {
                word.append(run, '\\');
                i += run - 1;
            } else if (line[i] == '"') {
                CHECK(!(quoted && i + 1 < n && line[i + 1] == '"'));
                quoted = !quoted;
            } else if (!quoted && (line[i] == ' ' || line[i] == '\t')) {
                break;
            } else {
                word += line[i];
            }
        }
        words.push_back(word);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input = {data, size};
    std::string tool = ToolOf(WithoutLineEnds(TakeText(&input)));
    std::vector<std::string> arguments;
    while (input.size > 0 && arguments.size() < 8)
        arguments.push_back(WithoutLineEnds(TakeText(&input)));

    std::string line = tool, today = tool;
    for (const std::string& argument : arguments) {
        line += " " + TextOf(QuotedArgument(argument.c_str()).c_str());
        today += " \"" + argument + "\"";
    }
    std::string escaped = TextOf(EscapedForCmd(line.c_str(), (unsigned)tool.size()).c_str());
    CHECK(escaped.compare(0, tool.size(), tool) == 0);

    CHECK(AsCmdHandsItOn(escaped) == line);
    std::vector<std::string> words = SplitAsTheRuntime(line);
    CHECK(words.size() == arguments.size() + 1);
    CHECK(words[0] == (tool[0] == '"' ? tool.substr(1, tool.size() - 2) : tool));
    for (size_t i = 0; i < arguments.size(); i++)
        CHECK(words[i + 1] == arguments[i]);

    // Arguments without a quote or a trailing backslash keep today's line.
    bool plain = true;
    for (const std::string& argument : arguments)
        plain = plain && argument.find('"') == std::string::npos
            && (argument.empty() || argument.back() != '\\');
    if (plain)
        CHECK(escaped == today);
    return 0;
}
