// The launchers' system calls on Windows.
#include "launcher/platform.h"

#include <conio.h>
#include <direct.h>
#include <io.h>
#include <stdlib.h>
#include <windows.h>

Str ShortPathOf(const char* path)
{
    char shortPath[1024];
    DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
    return length > 0 && length < sizeof shortPath ? Str(shortPath) : Str();
}

Str CurrentDirectory()
{
    char directory[MAX_PATH + 1];
    DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    return length > 0 && length < sizeof directory ? Str(directory) : Str();
}

void ChangeDirectory(const char* path)
{
    _chdir(path);
}

// Only a file on disk is read: a device such as CON would wait for
// console input instead.
static FILE* OpenDiskFile(const char* path, const char* mode)
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

FILE* OpenForReading(const char* path)
{
    return OpenDiskFile(path, "r");
}

FILE* OpenBinaryForReading(const char* path)
{
    return OpenDiskFile(path, "rb");
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
