// The launchers' system calls on Windows.
#include "launcher/platform.h"

#include <conio.h>
#include <direct.h>
#include <io.h>
#include <stdlib.h>
#include <windows.h>

// What a call that fills a buffer of a given size gives, in a buffer sized
// by its own answer: asked with too small a buffer, such a call returns the
// size it needs, NUL included; once it fits, the length without the NUL.
typedef DWORD (*FillCall)(const char* argument, char* buffer, DWORD size);

static Str Filled(FillCall call, const char* argument)
{
    Str result;
    DWORD size = call(argument, nullptr, 0);
    // The answer may grow between the calls (another directory made current).
    while (size > 0 && result.reserve(size)) {
        DWORD length = call(argument, result.c_str(), size + 1);
        if (length <= size)
            return length > 0 ? result : Str();
        size = length;
    }
    return Str();
}

static DWORD ShortPathCall(const char* path, char* buffer, DWORD size)
{
    return GetShortPathNameA(path, buffer, size);
}

static DWORD CurrentDirectoryCall(const char* /*unused*/, char* buffer, DWORD size)
{
    return GetCurrentDirectoryA(size, buffer);
}

Str ShortPathOf(const char* path)
{
    return Filled(ShortPathCall, path);
}

Str CurrentDirectory()
{
    return Filled(CurrentDirectoryCall, nullptr);
}

static DWORD FullPathCall(const char* path, char* buffer, DWORD size)
{
    return GetFullPathNameA(path, size, buffer, nullptr);
}

Str FullPathOf(const char* path)
{
    return Filled(FullPathCall, path);
}

void ChangeDirectory(const char* path)
{
    _chdir(path);
}

// Only a file on disk is read: a device such as CON would wait for
// console input instead.
FILE* OpenDiskFile(const char* path, const char* mode)
{
    FILE* file = fopen(path, mode);
    // The C runtime hands out the stream's handle as an integer.
    HANDLE handle = file ? (HANDLE)_get_osfhandle(_fileno(file)) : NULL; // NOLINT(performance-no-int-to-ptr)
    if (file && GetFileType(handle) != FILE_TYPE_DISK) {
        fclose(file);
        return nullptr;
    }
    return file;
}

void RunCommandLine(const char* commandLine)
{
    system(commandLine);
}

void WaitForKey()
{
    // _getch reads the console itself, never standard input; without a
    // console it would wait on nothing, so there is nothing to wait for.
    HANDLE console = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (console == INVALID_HANDLE_VALUE)
        return;
    DWORD mode;
    bool isConsole = GetConsoleMode(console, &mode);
    CloseHandle(console);
    if (isConsole)
        _getch();
}
