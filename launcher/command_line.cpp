#include "launcher/command_line.h"

#include <string.h>

#include "text/heap.h"

// Whether the tool path must stand between quotes for cmd: the characters
// that "cmd /?" lists as needing them.
static bool NeedsQuotes(const char* path)
{
    return strpbrk(path, " &()[]{}^=;!'+,`~") != nullptr;
}

Str ToolHeadOf(const char* toolPath, const char* shortPath)
{
    const char* path = SafeLength(shortPath) > 0 ? shortPath : toolPath ? toolPath : "";
    return NeedsQuotes(path) ? Str("\"") + path + "\"" : Str(path);
}

// Writes count backslashes at out; returns the byte after them.
static char* PutBackslashes(char* out, unsigned count)
{
    memset(out, '\\', count);
    return out + count;
}

// Each byte of the argument takes at most two bytes between the quotes, so
// the result is sized once for the worst case.
Str QuotedArgument(const char* argument)
{
    const char* in = argument ? argument : "";
    Str result;
    result.reserve(CheckedSize(2ull * SafeLength(in) + 2));
    char* out = result.c_str();
    *out++ = '"';
    // The backslashes just written: written again where a quote follows.
    unsigned backslashes = 0;
    for (; *in; in++) {
        if (*in == '"')
            out = PutBackslashes(out, backslashes + 1);
        backslashes = *in == '\\' ? backslashes + 1 : 0;
        *out++ = *in;
    }
    out = PutBackslashes(out, backslashes);
    *out++ = '"';
    *out = '\0';
    return result;
}

// Whether cmd acts on the byte c where it stands outside its quotes.
static bool IsCmdMetacharacter(char c)
{
    return c != '\0' && strchr("^&|<>()", c) != nullptr;
}

// At most one caret per byte: sized once for the worst case.
Str EscapedForCmd(const char* line, unsigned from)
{
    unsigned length = SafeLength(line);
    Str result;
    if (!result.reserve(CheckedSize(2ull * length)))
        return result;
    char* out = result.c_str();
    bool quoted = false;
    for (unsigned i = 0; i < length; i++) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (!quoted && i >= from && IsCmdMetacharacter(line[i]))
            *out++ = '^';
        *out++ = line[i];
    }
    *out = '\0';
    return result;
}

Str InterpreterLine(const char* interpreter, const char* line)
{
    Str name = FileNameOf(interpreter);
    bool isCmd = name.length() == 7 && SameIgnoringCase(name.c_str(), "cmd.exe", 7);
    Str head = Str("\"") + interpreter + "\"";
    return isCmd ? head + " /d /v:off /s /c \"" + line + "\"" : head + " /c " + line;
}
