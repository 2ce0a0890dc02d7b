// Files, folders and paths on Windows.
#include "launcher/platform.h"

#include <direct.h>
#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include "launcher/filled_buffer.h"
#include "launcher/wide_text.h"
#include "text/heap.h"

static DWORD CurrentDirectoryCall(const char* /*unused*/, char* buffer, DWORD size)
{
    return GetCurrentDirectoryA(size, buffer);
}

static DWORD LongPathCall(const char* path, char* buffer, DWORD size)
{
    return GetLongPathNameA(path, buffer, size);
}

// Asked in UTF-16, where the system takes a path of any length: a folder
// too long to be current has a short name that may fit.
Str ShortPathOf(const char* path)
{
    wchar_t* wide = WideOf(path);
    DWORD size = wide ? GetShortPathNameW(wide, NULL, 0) : 0;
    wchar_t* found = size > 0 ? (wchar_t*)NewBytes(sizeof(wchar_t) * (unsigned long long)size) : nullptr;
    DWORD length = found ? GetShortPathNameW(wide, found, size) : 0;
    Str shortPath = length > 0 && length < size ? TextIn(found, CP_ACP) : Str();
    free(found);
    free(wide);
    return shortPath;
}

Str LongPathOf(const char* path)
{
    return Filled(LongPathCall, path);
}

Str CurrentDirectory()
{
    return Filled(CurrentDirectoryCall, nullptr);
}

static DWORD FullPathCall(const char* path, char* buffer, DWORD size)
{
    return GetFullPathNameA(path, size, buffer, nullptr);
}

Str FullPathOf(const char* path, Str* reason)
{
    Str full = Filled(FullPathCall, path);
    if (full == "" && reason)
        *reason = SystemMessage(GetLastError(), path);
    return full;
}

// _chdir, unlike SetCurrentDirectory alone, also sets the drive's own
// current directory, which cmd reads for "C:x".
bool ChangeDirectory(const char* path, Str* reason)
{
    if (_chdir(path) == 0)
        return true;
    if (reason)
        *reason = SystemMessage(GetLastError(), path);
    return false;
}

bool IsFile(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
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
