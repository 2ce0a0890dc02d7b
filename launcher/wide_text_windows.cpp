#include "launcher/wide_text.h"

#include "launcher/platform.h"

#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "text/heap.h"

wchar_t* WideOf(const char* text)
{
    int count = MultiByteToWideChar(CP_ACP, 0, text ? text : "", -1, NULL, 0);
    if (count <= 0)
        return nullptr;
    wchar_t* wide = (wchar_t*)NewBytes(sizeof(wchar_t) * (unsigned long long)count);
    if (MultiByteToWideChar(CP_ACP, 0, text ? text : "", -1, wide, count) > 0)
        return wide;
    free(wide);
    return nullptr;
}

// UTF-8 takes no replacement character: it has them all.
Str TextIn(const wchar_t* text, unsigned codePage)
{
    bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
    const char* unknown = utf8 ? NULL : "?";
    int size = WideCharToMultiByte(codePage, 0, text, -1, NULL, 0, unknown, NULL);
    Str result;
    if (size <= 1 || !result.reserve((unsigned)size - 1))
        return result;
    if (WideCharToMultiByte(codePage, 0, text, -1, result.c_str(), size, unknown, NULL) <= 0)
        return Str();
    return result;
}

Str SystemMessage(unsigned long error, const char* name)
{
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0,
                                  text, sizeof text, NULL);
    while (length > 0 && strchr(" \r\n.", text[length - 1]))
        length--;
    text[length] = '\0';
    return length > 0 ? ReplaceAll(text, "%1", name) : Str("error ") + DigitsOf(error, 10, 1).c_str();
}

unsigned CharacterCount(const char* text)
{
    int count = MultiByteToWideChar(CP_ACP, 0, text ? text : "", -1, NULL, 0);
    return count > 0 ? (unsigned)count - 1 : SafeLength(text);
}
