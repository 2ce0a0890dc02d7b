#include "launcher/status_line.h"

// The path's last component: Windows takes "/" and a drive's ":" as
// separators as well as "\\".
static const char* ToolNameOf(const char* toolPath)
{
    const char* name = toolPath ? toolPath : "";
    for (const char* at = name; *at; at++) {
        if (*at == '\\' || *at == '/' || *at == ':')
            name = at + 1;
    }
    return name;
}

// What Windows and cmd mean by two statuses that a user meets often.
static const char* MeaningOf(unsigned long status)
{
    if (status == 0xC000013Aul)
        return " (stopped with Ctrl+C)";
    return status == 9009 ? " (not found)" : "";
}

Str StatusLine(const char* toolPath, unsigned long status, unsigned long long milliseconds)
{
    Str number = status <= 65535 ? DigitsOf(status, 10, 1) : Str("0x") + DigitsOf(status, 16, 8).c_str();
    unsigned long long hundredths = (milliseconds + 5) / 10;
    Str seconds = DigitsOf(hundredths / 100, 10, 1) + "." + DigitsOf(hundredths % 100, 10, 2).c_str();
    return Str(ToolNameOf(toolPath)) + " exited with status " + number.c_str() + " after " + seconds.c_str() + " s"
        + MeaningOf(status);
}

Str NotRunLine(const char* toolPath, const char* reason)
{
    return Str(ToolNameOf(toolPath)) + " could not be run: " + reason;
}
