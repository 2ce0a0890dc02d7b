#include "launcher/status_line.h"

#include <stdio.h>

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
    char number[16], seconds[32];
    snprintf(number, sizeof number, status <= 65535 ? "%lu" : "0x%08lX", status);
    unsigned long long hundredths = (milliseconds + 5) / 10;
    snprintf(seconds, sizeof seconds, " after %llu.%02u s", hundredths / 100, (unsigned)(hundredths % 100));
    return Str(ToolNameOf(toolPath)) + " exited with status " + number + seconds + MeaningOf(status);
}

Str NotRunLine(const char* toolPath, const char* reason)
{
    return Str(ToolNameOf(toolPath)) + " could not be run: " + reason;
}
