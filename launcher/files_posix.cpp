// A stand-in for the Windows file and path calls on POSIX hosts, for tests:
// a path's backslashes become slashes at the system call, and a short or
// long path is the path itself as the host names it.
#include "launcher/platform.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static Str SlashesFor(const char* path)
{
    return ReplaceAll(path, "\\", "/");
}

// The form the command line runs, with the host's separators.
Str ShortPathOf(const char* path)
{
    return SlashesFor(path);
}

Str LongPathOf(const char* path)
{
    return Str(path);
}

Str CurrentDirectory()
{
    char directory[PATH_MAX];
    return getcwd(directory, sizeof directory) ? ReplaceAll(directory, "/", "\\") : Str();
}

// As the system would on the Windows-style paths of this stand-in.
Str FullPathOf(const char* path, Str* reason)
{
    Str current = CurrentDirectory();
    Str full = FullPathFrom(path, current.c_str());
    if (full == "" && reason)
        reason->assign(current == "" ? strerror(errno) : "no path");
    return full;
}

bool ChangeDirectory(const char* path, Str* reason)
{
    Str posixPath = SlashesFor(path);
    if (chdir(posixPath.c_str() ? posixPath.c_str() : "") == 0)
        return true;
    if (reason)
        reason->assign(strerror(errno));
    return false;
}

bool IsFile(const char* path)
{
    Str posixPath = SlashesFor(path);
    struct stat status;
    return stat(posixPath.c_str() ? posixPath.c_str() : "", &status) == 0 && S_ISREG(status.st_mode);
}

// UTF-8, as the host's text is: one unit per character, two beyond U+FFFF.
unsigned CharacterCount(const char* text)
{
    unsigned count = 0;
    for (const unsigned char* at = (const unsigned char*)(text ? text : ""); *at; at++)
        count += ((*at & 0xC0) != 0x80) + (*at >= 0xF0);
    return count;
}

// Only a regular file is read: a directory or a device that never ends
// (/dev/zero) opens here too.
FILE* OpenDiskFile(const char* path, const char* mode)
{
    Str posixPath = SlashesFor(path);
    FILE* file = fopen(posixPath.c_str() ? posixPath.c_str() : "", mode);
    struct stat status;
    if (file && (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))) {
        fclose(file);
        return nullptr;
    }
    return file;
}
